#pragma once

#include "core/Language.h"

// The words drawn into the pictures, in the language of the picture being drawn. German is the
// game's own wording and stays exactly as it was; each other language gives its words beside it.
const char* Say(Language language, const char* german, const char* english);
