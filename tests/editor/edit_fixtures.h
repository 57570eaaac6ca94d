#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/clipboard_port.h"
#include "editor/drop.h"
#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor::test {

// Keeps the pictures Copy puts on the system clipboard.
class RecordingClipboard : public ClipboardPort {
  public:
    void put_picture(const ClipboardPicture& picture) override { pictures.push_back(picture); }
    std::vector<ClipboardPicture> pictures;
};

class EditTest : public EditorTest {
  protected:
    void reset() override {
        EditorTest::reset();
        clipboard = RecordingClipboard{};
    }

    // Drops a palette entry, which appends it with its ports, selected.
    int drop(const ObjRecord& entry, float x, float y) {
        app.dragobj = entry;
        Form_DragDrop(window, app, host, x, y);
        return window.mouse.fromobj;
    }

    // A signal block of `type` with its parameters.
    static ObjRecord block(const char* type, const char* parameters, int inputs, int outputs) {
        ObjRecord entry = signal_block(type, inputs, outputs);
        entry.type = type;
        entry.parameters = parameters;
        return entry;
    }

    // A connection point after `before`, attached to input port `port` (0: free).
    int point(int before, int port, int left, int top) {
        ObjRecord cp = con(before, -1);
        cp.caption = "\x95";
        cp.index = static_cast<std::int16_t>(port);
        return add(cp, left, top);
    }

    // Exactly the elements and bonds given are selected.
    void select_only(const std::vector<int>& elements, const std::vector<int>& bonds = {}) {
        deselecciona(window, app);
        for (int i : elements) select_element(window, app, i);
        for (int j : bonds) select_bond(window, app, j);
        habilita(window);
    }

    std::string type(int i) const { return obj(i).type.trimmed(); }

    RecordingClipboard clipboard;
};

}  // namespace vantor::test
