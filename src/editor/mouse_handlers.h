#pragma once

// The model window's mouse handlers, for whoever dispatches pointer events.
#include "editor/background_mouse.h"
#include "editor/glyph_mouse.h"
#include "editor/hit_tests.h"
