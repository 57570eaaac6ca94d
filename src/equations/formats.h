#pragma once

// The equations as text for a terminal, a LaTeX document, a MATLAB script and
// JSON for programs.

#include <optional>
#include <string>
#include <string_view>

#include "equations/analysis.h"
#include "equations/equation_system.h"

namespace vantor::equations {

enum class Format { kText, kLatex, kMatlab, kJson };

// "text", "latex", "matlab", "json"; none for anything else.
std::optional<Format> parse_format(std::string_view name);

struct FormatOptions {
    bool numeric = false;  // the parameter values put in
    std::string title;     // the model's name
};

std::string format_text(const EquationSystem& system, const Analysis& analysis,
                        const FormatOptions& options);
std::string format_latex(const EquationSystem& system, const Analysis& analysis,
                         const FormatOptions& options);
// Needs the numeric matrices: throws NumericError with the reason there are none.
std::string format_matlab(const EquationSystem& system, const Analysis& analysis,
                          const FormatOptions& options);
std::string format_json(const EquationSystem& system, const Analysis& analysis,
                        const FormatOptions& options);

std::string format_equations(Format format, const EquationSystem& system, const Analysis& analysis,
                             const FormatOptions& options);

}  // namespace vantor::equations
