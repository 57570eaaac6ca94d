#include "app/model_document.h"

#include "causality/causality_commands.h"
#include "display/glyph_metrics.h"
#include "model/file_error.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "model/numeric_prefix.h"
#include "model/text.h"
#include "simulink/generate.h"

namespace vantor {
namespace {

// The window side of the causality and generation commands.
class DocumentHost : public GenerationHost {
  public:
    DocumentHost(ModelDocument& doc, Ports& ports) : doc_(doc), ports_(ports) {}

    void show_message(const std::string& text) override { tell(ports_, text); }
    void selection_changed(int) override {
        doc_.refresh_glyphs();
        doc_.repaint();
    }
    // Stands in for the full redraw, which marks the model changed.
    void redraw() override {
        doc_.refresh_glyphs();
        doc_.window.saved = kFalse;
        doc_.repaint();
    }
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        return ports_.save_file({request.title, request.filter, doc_.dialog_folder,
                                 request.proposed_name, false, true});
    }
    void set_busy(bool busy) override { ports_.set_busy_pointer(busy); }

  private:
    ModelDocument& doc_;
    Ports& ports_;
};

bool any_selected(const Model& m) {
    for (int i = 1; i <= m.nobj; ++i) {
        if (m.objs[i].selected != kFalse) return true;
    }
    for (int j = 1; j <= m.nlin; ++j) {
        if (m.lines[j].selected != kFalse) return true;
    }
    return false;
}

}  // namespace

ModelDocument::ModelDocument(AppState& app, Ports& ports) : app_(app), ports_(ports) {
    init_model_window(window, app.nextnum);
    dialog_folder = app.program_dir;
    if (!app.openpath.empty()) leerarchivo(window, app.openpath);
    refresh_glyphs();
    window.saved = kTrue;
}

bool ModelDocument::write_to(const std::string& path) {
    try {
        guardar(path, window);
        return true;
    } catch (const FileError& e) {
        tell(ports_, std::string("The model could not be saved: ") + e.what());
        return false;
    }
}

bool ModelDocument::save_Click() {
    if (window.hasname == kTrue) return write_to(tag);
    return saveas_Click();
}

bool ModelDocument::saveas_Click() {
    const auto chosen =
        ports_.save_file({"Save Model As", kModelFilter, dialog_folder, tag, false, true});
    if (!chosen) return false;
    const std::string name(trim_blanks(*chosen));
    // The window takes the new name only once the model is safely written there.
    if (name.empty() || !write_to(name)) return false;
    tag = name;
    caption = nombrecorto(name);
    window.hasname = kTrue;
    return true;
}

bool ModelDocument::confirm_close() {
    while (window.saved == kFalse) {
        const MessageAnswer answer =
            ports_.message_box({"file " + caption + " has changed, \rDo you want to save it?",
                                MessageButtons::kYesNoCancel, true, MessageAnswer::kCancel});
        if (answer == MessageAnswer::kCancel) return false;
        if (answer == MessageAnswer::kNo) return true;
        save_Click();  // a cancelled or failed save asks again
    }
    return true;
}

void ModelDocument::Form_DragDrop(float x, float y) {
    Model& m = window.model;
    if (m.nobj >= kMaxElements) return;  // the tables are full: the drop does nothing
    const int n = ++m.nobj;
    m.objs[static_cast<std::size_t>(n)] = app_.dragobj;
    ObjRecord& obj = m.objs[static_cast<std::size_t>(n)];
    obj.caption = ltrim_blanks(obj.caption.raw());
    window.mouse.fromobj = static_cast<std::int16_t>(n);
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = kFalse;
    for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = kFalse;
    obj.selected = kTrue;
    const GlyphSize size = glyph_size(obj.caption.trimmed(), obj.auxil1 == 1);
    obj.top = to_int16(y - size.height / 2.0).value_or(obj.top);
    obj.left = to_int16(x - size.width / 2.0).value_or(obj.left);
    window.mouse.dragging = 0;
    app_.selready = kTrue;
    refresh_glyphs();
    window.saved = kFalse;
    repaint();
}

void ModelDocument::simulink_Click(int version) {
    if (version >= 1 && version <= 3) menus.simulink_version = version;
}

void ModelDocument::refresh_glyphs() {
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        leeimagen(m, image1, i);
        image1[static_cast<std::size_t>(i)].color =
            m.objs[i].selected != kFalse ? app_.colsel : app_.colnorm;
    }
    for (std::size_t i = static_cast<std::size_t>(m.nobj) + 1; i < image1.size(); ++i) {
        image1[i].visible = false;
    }
    menus.cut = menus.del = menus.copy = any_selected(m);
}

void ModelDocument::assign_Click() {
    DocumentHost host(*this, ports_);
    vantor::assign_Click(window, app_.program_dir, host);
}

void ModelDocument::extend_Click() {
    DocumentHost host(*this, ports_);
    vantor::extend_Click(window, host);
}

void ModelDocument::Undo_Click() {
    DocumentHost host(*this, ports_);
    vantor::Undo_Click(window, host);
}

void ModelDocument::generate_Click() {
    DocumentHost host(*this, ports_);
    const std::string model_path = window.hasname == kTrue ? tag : std::string();
    vantor::generate_Click(window, {app_.program_dir, menus.simulink_version, caption, model_path},
                           host);
}

}  // namespace vantor
