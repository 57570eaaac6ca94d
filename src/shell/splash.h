#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

namespace vantor::shell {

inline constexpr int kSplashWidth = 451;
inline constexpr int kSplashHeight = 378;
inline constexpr int kSplashMilliseconds = 5000;
// Where the splash writes the version, in its lower right corner.
inline constexpr QRect kVersionCorner{300, 340, 112, 20};

// The start-up picture, splash.png of the program folder; without it, a plain
// picture of the same size with the program's name. Either shows the version.
QPixmap splash_picture(const QString& program_dir);
QString splash_version_text();

// How long the splash shows: VANTOR_SPLASH_MS when set to a number of
// milliseconds (0 for none, as tests want), else 5000.
int splash_milliseconds();

}  // namespace vantor::shell
