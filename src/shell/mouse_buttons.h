#pragma once

#include <Qt>

namespace vantor::shell {

// A Qt button as the handlers number it: 1 left, 2 right, 4 middle, 0 other.
inline int button_of(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace vantor::shell
