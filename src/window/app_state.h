#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"

namespace vantor {

// Values shared by all the program's windows, one instance each.
struct AppState {
    std::string program_dir;  // the folder of the executable and its support files

    std::int16_t nwin = 0;         // highest window number handed out so far
    std::int16_t nextnum = 0;      // number for the model window being created
    std::string openpath;          // file that window must read, empty for a new model
    std::int16_t closing = 0;      // -1 while the main window closes a model window
    std::int16_t closecancel = 0;  // set by a model window whose closing was cancelled
    std::string helpfile;          // the manual

    ObjRecord dragobj;              // the palette entry being dragged
    std::int16_t selready = kTrue;  // a new selection rectangle (or palette capture) may start
    std::int16_t selband = 0;
    int colnorm = 0;   // black
    int colsel = 255;  // red

    // The parameter dialog's exchange values.
    std::string partext1, partext2, partype;

    // The internal clipboard, shared by all model windows.
    std::vector<ObjRecord> clipobjs;
    std::vector<LineRecord> cliplines;
    std::int16_t nclipobj = 0;
    std::int16_t nclipline = 0;
};

// The program folder's files.
inline std::string library_folder(const AppState& app) {
    return app.program_dir + "/library";
}
inline std::string help_file_path(const std::string& program_dir) {
    return program_dir + "/bndgph.html";
}
inline std::string about_file_path(const std::string& program_dir) {
    return program_dir + "/About.txt";
}

}  // namespace vantor
