#include "app/library_panel.h"

#include "app/element_summary.h"
#include "model/text.h"

namespace vantor {

void LibraryPanel::list(const std::vector<LibraryLabel>& labels) {
    std::vector<std::unique_ptr<Palette>> listed;
    for (std::size_t n = 0; n < labels.size(); ++n) {
        const LibraryLabel& label = labels[n];
        if (n < palettes_.size() && palettes_[n]->tag == label.tag) {
            listed.push_back(std::move(palettes_[n]));
            listed.back()->caption = label.caption;
        } else {
            listed.push_back(std::make_unique<Palette>(label.tag, label.caption));
        }
    }
    palettes_ = std::move(listed);
    if (armed_ && !holds(armed_->library)) armed_.reset();
}

std::optional<std::string> LibraryPanel::read(int i) {
    if (!holds(i)) return std::nullopt;
    std::optional<std::string> error = palette(i).read_entries();
    if (armed_ && armed_->library == i && armed_->entry > library(i).entries()) armed_.reset();
    return error;
}

std::vector<PanelEntry> LibraryPanel::entries(const AppState& app, int i) const {
    std::vector<PanelEntry> listed;
    if (!holds(i)) return listed;
    const Palette& shown = library(i);
    for (int k = 1; k <= shown.entries(); ++k) {
        const auto at = static_cast<std::size_t>(k);
        // The tooltip says what the palette's does, from the same file.
        const std::string type(shown.objs[at].type.raw());
        listed.push_back({shown.image1[at].caption, std::string(shown.objs[at].type.trimmed()),
                          element_summary(app, type)});
    }
    return listed;
}

std::string LibraryPanel::drop_name(int i) const {
    return holds(i) ? nombrecorto(library(i).tag) : std::string();
}

void LibraryPanel::click(int i, int entry) {
    const ArmedEntry clicked{i, entry};
    if (armed_ == clicked) {
        armed_.reset();
    } else if (holds(i) && entry >= 1 && entry <= library(i).entries()) {
        armed_ = clicked;
    }
}

std::string LibraryPanel::prompt() const {
    if (!armed_) return {};
    const Palette& shown = library(armed_->library);
    return "click in a model window to place " +
           shown.image1[static_cast<std::size_t>(armed_->entry)].caption;
}

bool LibraryPanel::capture(AppState& app, Ports& ports, int i, int entry) {
    if (!holds(i)) return false;
    Palette& source = palette(i);
    source.Form_GotFocus(app, ports);
    // The palette keeps showing the glyphs of entries its library has lost,
    // which the journal's drop could not name: the panel takes only entries
    // the library holds.
    if (entry < 1 || entry > source.entries()) return false;
    source.image1_DragOver(app, entry);
    return app.selready == kFalse;
}

void LibraryPanel::dropped_back(AppState& app, int i) {
    if (holds(i)) palette(i).Form_DragDrop(app);
}

}  // namespace vantor
