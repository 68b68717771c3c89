#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The core's sentences in the language the pupil reads. The core writes them
// in English with their numbers kept apart ("%1", "%2", ... in the text, the
// numbers already in their digit rules), marks each for the translators with
// TRELLAN_WORDS, and asks the words layer to put them in the chosen language:
// the core itself never reaches Qt. With no language chosen, and always in
// the core's own tests, the English text is the sentence.
//
//     Say(TRELLAN_WORDS("working", "Line %1: the slope m, how steep it is"), {"1"})
//
// A context groups sentences for the translators; use the area's name
// ("working", "practice", "reading", ...).
#define TRELLAN_WORDS(context, text)                                                               \
    ::core::Words                                                                                  \
    {                                                                                              \
        context, text                                                                              \
    }

namespace core {

struct Words {
    const char* context;
    const char* text;
};

// The text of `words` in the chosen language: the words layer installs it
// once at start, before any other thread runs (words/language.h).
using Translation = std::string (*)(const char* context, const char* text);
void SetTranslation(Translation translation);

// The sentence: `words` in the chosen language, each "%n" (1 to 9) replaced
// by args[n - 1], as Qt's own texts place theirs. The arguments are put in as they are and
// never read again, so a number's text cannot be taken for a place.
std::string Say(Words words, std::initializer_list<std::string_view> args = {});

} // namespace core
