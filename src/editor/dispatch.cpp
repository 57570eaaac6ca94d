#include "editor/dispatch.h"

#include "display/viewport.h"
#include "editor/caption_edit.h"
#include "editor/connect.h"
#include "editor/drop.h"
#include "editor/mouse_handlers.h"

namespace vantor {

bool dispatch_event(ModelWindow& window, AppState& app, EditorHost& host, DblClickPorts& ports,
                    const EditorEvent& event) {
    if (event.kind == EventKind::kImageDblClick) {
        image1_DblClick(window, app, host, ports, event.index);
        return true;
    }
    return dispatch_pointer_event(window, app, host, event);
}

bool dispatch_pointer_event(ModelWindow& window, AppState& app, EditorHost& host,
                            const EditorEvent& event) {
    const float x = event.x;
    const float y = event.y;
    switch (event.kind) {
        case EventKind::kResize:
            window.viewport.width = x;
            window.viewport.height = y;
            Form_Resize(window);
            return true;
        case EventKind::kHScroll:
            set_hscroll(window, event.value);
            return true;
        case EventKind::kVScroll:
            set_vscroll(window, event.value);
            return true;
        case EventKind::kDrop:
            Form_DragDrop(window, app, host, x, y);
            return true;
        case EventKind::kFormMouseMove:
            form_mousemove(window, app, event.button, event.shift, x, y);
            return true;
        case EventKind::kFormMouseUp:
            Form_MouseUp(window, app, event.button, event.shift, x, y);
            return true;
        case EventKind::kFormDblClick:
            Form_DblClick(window);
            return true;
        case EventKind::kFormLostFocus:
            Form_LostFocus(window);
            return true;
        case EventKind::kImageMouseMove:
            image1_MouseMove(window, app, event.index, event.button, event.shift, x, y);
            return true;
        case EventKind::kImageMouseUp:
            image1_MouseUp(window, app, event.index, event.button, event.shift, x, y);
            return true;
        case EventKind::kImageClick:
            image1_Click(window, app, event.index);
            return true;
        case EventKind::kText1Change:
            window.Text1.text = event.text;
            text1_Change(window);
            return true;
        case EventKind::kText1LostFocus:
            Text1_LostFocus(window, app);
            return true;
        case EventKind::kImageDblClick:
        case EventKind::kMenu:
        case EventKind::kDialog:
            return false;
    }
    return false;
}

}  // namespace vantor
