// Picture cases: every folder of tests/data/pictures holds a `case` file that
// builds a model window, then paints it as the canvas or the printer does, or
// says what a change repaints; what was drawn, as text, must be the case's
// drawing.txt. VANTOR_UPDATE_CASES=1 writes drawing.txt instead.
//
// The lines of `case`: first "# what it pins and why", more # lines, then
//   model FILE                  opens the case's FILE, or else the example FILE
//   element TYPE CAPTION L T    appends an element (see WindowBuilder)
//   bond A B CAUSA | frame I | z I Z | caption I TEXT HEIGHT (\r breaks a line)
//   select-element I | select-bond J | move I L T | bond-colour J C | nobj N
//   rubber X1 Y1 X2 Y2 | sector L T W H | note L T W H TEXT | showp | refresco
//   scroll H V | expose X Y W H | view W H
//   paint                       lists what the canvas paints (all 2000x2000
//                               pixels unless exposed says otherwise)
//   print [LEFT TOP]            lists the printed drawing from twips LEFT, TOP
//   repaint                     lists the area a change since the last
//                               repaint (or since the start) paints again
#include <sstream>

#include "display/redraw.h"
#include "display/viewport.h"
#include "gui/model_window_session.h"
#include "gui/recording_painter.h"
#include "paint/canvas_picture.h"
#include "paint/model_print.h"
#include "paint/window_painter.h"
#include "window/window_builder.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

fs::path pictures_dir() {
    return fs::path(VANTOR_EXAMPLES_DIR).parent_path() / "tests" / "data" / "pictures";
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(pictures_dir()))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs one case's lines on a window; what they list gathers in `out`.
class PictureCase {
  public:
    explicit PictureCase(fs::path folder) : folder_(std::move(folder)) {
        w_.app.program_dir = VANTOR_DATA_DIR;
    }

    void run(const std::string& line) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        ModelWindow& window = w_.window;
        int a = 0, b = 0, c = 0, d = 0;
        std::string s;
        const auto f = [](int v) { return static_cast<float>(v); };
        if (word == "model") {
            in >> s;
            const fs::path own = folder_ / s;
            window.model = read_model_file(fs::exists(own) ? own.string() : example(s));
            show_loaded_model(window, w_.app);
            refresco(window, w_.app);
            refresco(window, w_.app);
        } else if (word == "element") {
            in >> s >> word >> a >> b;
            w_.element(s, word, a, b);
        } else if (word == "bond" && in >> a >> b >> c) {
            w_.bond(a, b, c);
        } else if (word == "frame" && in >> a) {
            w_.frame(a);
        } else if (word == "z" && in >> a >> b) {
            w_.glyph(a).z = b;
        } else if (word == "caption" && in >> a >> s >> b) {
            for (std::size_t n; (n = s.find("\\r")) != std::string::npos;) s.replace(n, 2, "\r");
            w_.glyph(a).caption = s;
            w_.glyph(a).height = f(b);
        } else if (word == "select-element" && in >> a) {
            w_.obj(a).selected = kTrue;
            w_.glyph(a).color = w_.app.colsel;
        } else if (word == "select-bond" && in >> a) {
            w_.rec(a).selected = kTrue;
        } else if (word == "move" && in >> a >> b >> c) {
            w_.obj(a).left = static_cast<std::int16_t>(b);
            w_.obj(a).top = static_cast<std::int16_t>(c);
        } else if (word == "bond-colour" && in >> a >> b) {
            w_.line(a).color = w_.barb(a).color = b;
        } else if (word == "nobj" && in >> a) {
            window.model.nobj = static_cast<std::int16_t>(a);
        } else if (word == "rubber" && in >> a >> b >> c >> d) {
            window.Line1 = LineControl{f(a), f(b), f(c), f(d), 0, true, 1};
        } else if (word == "sector" && in >> a >> b >> c >> d) {
            window.sector = RectangleShape{f(a), f(b), f(c), f(d), true};
        } else if (word == "note" && in >> a >> b >> c >> d >> s) {
            window.Text1 = {.left = f(a), .top = f(b), .width = f(c), .height = f(d), .text = s};
            window.Text1.visible = true;
        } else if (word == "showp") {
            window.menus.showp = true;
        } else if (word == "refresco") {
            refresco(window, w_.app);
        } else if (word == "scroll" && in >> a >> b) {
            set_hscroll(window, a);
            set_vscroll(window, b);
        } else if (word == "expose" && in >> a >> b >> c >> d) {
            exposed_ = QRect(a, b, c, d);
        } else if (word == "view" && in >> a >> b) {
            view_ = QSize(a, b);
        } else if (word == "paint") {
            out += "paint\n" + painted([&](QPainter& p) {
                       paint::paint_window(p, window, paint::scroll_origin(window), exposed_);
                   });
        } else if (word == "print") {
            double left = 0, top = 0;
            in >> left >> top;
            out += "print\n" + painted([&](QPainter& p) {
                       paint::use_twips(p);
                       paint::print_drawing(p, window, QPointF(left, top));
                   });
        } else if (word == "repaint") {
            repaint();
        } else {
            ADD_FAILURE() << "cannot read the case line: " << line;
        }
    }

    std::string out;

  private:
    template <typename Paint>
    static std::string painted(Paint paint) {
        RecordingDevice device;
        QPainter painter(&device);
        paint(painter);
        painter.end();
        return listing(device.drawing);
    }

    void repaint() {
        paint::CanvasPicture now = paint::picture_of(w_.window, view_);
        if (!before_) before_ = paint::picture_of(w_.window, view_);
        const paint::Repaint area = paint::changed_area(*before_, now);
        out += area.whole ? "repaint whole\n" : "repaint\n";
        for (const QRect& r : area.rects)
            out += "rect " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                   std::to_string(r.width()) + "x" + std::to_string(r.height()) + "\n";
        before_ = std::move(now);
    }

    fs::path folder_;
    WindowBuilder w_;
    QRect exposed_{0, 0, 2000, 2000};
    QSize view_{480, 210};
    std::optional<paint::CanvasPicture> before_;
};

struct Pictures : ::testing::TestWithParam<std::string> {};

TEST_P(Pictures, DrawWhatTheCaseExpects) {
    const fs::path folder = pictures_dir() / GetParam();
    std::ifstream in(folder / "case");
    std::string line;
    ASSERT_TRUE(std::getline(in, line) && line.rfind("# ", 0) == 0 && line.size() > 2)
        << GetParam() << ": the first line of case must say what the case pins";
    PictureCase picture(folder);
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') picture.run(line);
    expect_file_text((folder / "drawing.txt").string(), picture.out, "picture case " + GetParam());
}

INSTANTIATE_TEST_SUITE_P(Case, Pictures, ::testing::ValuesIn(case_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vantor::test
