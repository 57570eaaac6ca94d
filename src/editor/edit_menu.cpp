#include "editor/edit_menu.h"

#include "editor/clipboard.h"
#include "editor/edit_commands.h"
#include "editor/rotate.h"

namespace vantor {

bool is_edit_menu_item(std::string_view item) {
    return item == "ddelete" || item == "Cut" || item == "copy" || item == "paste" ||
           item == "rotate" || item == "selectall" || item == "edit";
}

bool edit_item_enabled(const ModelWindow& window, std::string_view item) {
    const ModelMenus& menus = window.menus;
    if (item == "ddelete") return menus.ddelete;
    if (item == "Cut") return menus.Cut;
    if (item == "copy") return menus.copy;
    if (item == "rotate") return menus.rotate;
    return is_edit_menu_item(item);
}

bool run_edit_menu(ModelWindow& window, AppState& app, EditorHost& host, ClipboardPort& clipboard,
                   std::string_view item) {
    if (!is_edit_menu_item(item)) return false;
    if (!edit_item_enabled(window, item)) return true;
    if (item == "ddelete") {
        ddelete_Click(window, app);
    } else if (item == "Cut") {
        Cut_Click(window, app, clipboard);
    } else if (item == "copy") {
        Copy_Click(window, app, clipboard);
    } else if (item == "paste") {
        paste_Click(window, app, host);
    } else if (item == "rotate") {
        rotate_Click(window, app);
    } else if (item == "selectall") {
        selectall_Click(window, app);
    } else {
        edit_Click(window);
    }
    return true;
}

}  // namespace vantor
