#pragma once

// Expressions as HTML for reading in a rich-text view: names with their
// trailing digits as subscripts, powers as superscripts, products with a
// middle dot. Built on the plain printer, so both read the same.

#include <ginac/ginac.h>

#include <string>

namespace vantor::equations {

std::string html_expression(const GiNaC::ex& e);

// As html_expression, with the fraction of each term of the outermost sum
// stacked: numerator over a rule over denominator.
std::string html_stacked(const GiNaC::ex& e);

// `top` over a rule over `bottom`, centred. A table: rich text has no inline
// fractions, so a stacked expression is a row of cells.
std::string fraction_html(const std::string& top, const std::string& bottom);

// "q5" -> "<i>q</i><sub>5</sub>", "La" -> "<i>La</i>"; "dq5/dt" as a fraction of names.
std::string html_name(const std::string& name);

// The text with &, < and > escaped.
std::string html_escaped(const std::string& text);

}  // namespace vantor::equations
