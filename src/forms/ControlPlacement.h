#pragma once

#include "FormGeometry.h"

#include <optional>

namespace qv::forms {

// Where the window's control for a record field goes on a template page, in form points: over the
// boxes, cell, line or check box that the field's stamp lands in, so that what is typed on screen
// sits where it prints. A field stamped more than once on the page is placed at its first stamp;
// nullopt when the page does not stamp the field.
std::optional<form::Rect> FieldRect(int templatePage, FieldId field);

// The same for one stamp.
form::Rect StampRect(const form::Stamp& stamp);

} // namespace qv::forms
