#include "Wording.h"

const char* Say(Language language, const char* german, const char* english) {
    return language == Language::German ? german : english;
}
