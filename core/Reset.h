#pragma once

#include "core/FieldStore.h"

namespace taruk {

// Writes every field's start-up text back. Text1 and Text2 come first and
// receive "1", so their change checks run and pass.
void resetFields(FieldStore &store);

} // namespace taruk
