#include <string>
#include <utility>

#include "display/leeimagen.h"
#include "display/port_layout.h"
#include "display/redraw.h"
#include "display/redraw_passes.h"
#include "display/stored_int16.h"
#include "model/element_kinds.h"
#include "model/text.h"
#include "window/deletion.h"

namespace vantor {

namespace {

inline constexpr std::size_t kPreviewLength = 5;

// The caption a glyph shows, from the trimmed caption and parameters: with
// Show Parameters, an element that is not a junction, port, note or framed
// element adds a second line with the start of its parameters.
std::string shown_caption(const ModelWindow& window, const ObjRecord& o, std::string caption,
                          const std::string& parameters) {
    const bool preview = window.menus.showp && !parameters.empty() && o.auxil1 == 0 &&
                         !is_junction(o) && !is_con(o) && !is_text_note(o);
    if (preview && static_cast<unsigned char>(parameters[0]) > 0) {
        caption += '\r';
        caption += ':';
        caption += parameters.substr(0, kPreviewLength);
    }
    return caption;
}

void place_port(ModelWindow& window, int i) {
    Model& m = window.model;
    ObjRecord& port = m.objs[static_cast<std::size_t>(i)];
    const int owner = port.auxil2;
    const ObjRecord& block = m.objs[static_cast<std::size_t>(owner)];
    const Glyph& block_glyph = window.image1[static_cast<std::size_t>(owner)];
    Glyph& glyph = window.image1[static_cast<std::size_t>(i)];

    const int n = port.signout != 0 ? block.signout : block.maxsigninp;
    // A count edited down to 0 leaves nothing to spread the port along: it
    // stays where it is.
    if (n != 0) {
        const std::string caption = port.caption.trimmed();
        PortPlacement p;
        p.caption = caption;
        p.output = port.signout != 0;
        p.k = port.auxil3;
        p.n = n;
        p.owner_width = block_glyph.width;
        p.owner_height = block_glyph.height;
        p.port_width = glyph.width;
        p.port_height = glyph.height;
        p.owner_is_junction = is_junction(block);
        const PortOffset offset = port_offset(p);
        port.top = store_int16(block.top + offset.v);
        port.left = store_int16(block.left + offset.h);
    }
    leeimagen(window, i);
    port.selected = block.selected;
    glyph.color = block_glyph.color;
}

void redraw_element(ModelWindow& window, AppState& app, RedrawScope scope, int i) {
    Model& m = window.model;
    const bool full = scope == RedrawScope::kFull;
    {
        ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
        glyph.top = o.top;
        glyph.left = o.left;
        if (full) set_glyph_autosize(glyph);

        const std::string parameters = o.parameters.trimmed();
        std::string caption = o.caption.trimmed();
        o.parameters = parameters;
        o.caption = caption;
        set_glyph_caption(glyph, shown_caption(window, o, std::move(caption), parameters));

        if (is_text_note(o)) {
            if (trim_blanks(glyph.caption).empty()) {
                borrar_objeto(window, app, i);
            } else if (full || !window.Text1.visible) {
                // Sized once to its text, then kept at that size while it is edited.
                set_glyph_autosize(glyph);
                glyph.autosize = false;
            }
        }
    }
    // A deletion above may have moved another element into number i, or
    // shortened the model past it.
    if (i > m.nobj) return;
    if (is_block_port(m, i)) {
        place_port(window, i);
    } else if (is_connection_point(m, i) && window.mouse.dragging == 0) {
        m.objs[static_cast<std::size_t>(i)].caption = std::string(1, kBullet);
        set_glyph_caption(window.image1[static_cast<std::size_t>(i)], std::string(1, kBullet));
    }
}

}  // namespace

void redraw_elements(ModelWindow& window, AppState& app, RedrawScope scope) {
    const Model& m = window.model;
    for (int i = m.nobj; i >= 1; --i) {
        // Deleting an empty text note can shorten the model below i.
        if (i > m.nobj) continue;
        if (scope == RedrawScope::kSelection && m.objs[static_cast<std::size_t>(i)].selected == 0)
            continue;
        redraw_element(window, app, scope, i);
    }
}

}  // namespace vantor
