#pragma once

#include <cstddef>
#include <cstdint>

#include <QString>

// The fuzz targets. Each drives real code with one input of arbitrary bytes and returns ""
// when every invariant it checks afterwards holds, or what broke. The libFuzzer executables
// (fuzzer.cpp) abort on a broken invariant; the ordinary test tests/fuzz replays the seed
// corpora and every input a fuzzer ever found through the very same functions.
namespace FuzzTargets {

using Run = QString (*)(const std::uint8_t *data, std::size_t size);

// The bytes as the rules data file GX2Mod.dat: start-up, category and type selections, clicks
// and double-clicks on modifiers and options, Remove and New, on the real window model.
QString rulesFile(const std::uint8_t *data, std::size_t size);

// The bytes as a rules data file for the rules check: findings in order, and an error exactly
// where the program refuses the file.
QString rulesCheck(const std::uint8_t *data, std::size_t size);

// The bytes as a token string for the drain calculation, both as UTF-8 and as raw UTF-16.
QString drainTokens(const std::uint8_t *data, std::size_t size);

// The bytes as a spell document opened through LoadSpell; one that opens is saved and opened
// again and must come back unchanged.
QString spellDocument(const std::uint8_t *data, std::size_t size);

// The bytes as the author options file ctx.txt.
QString authorOptions(const std::uint8_t *data, std::size_t size);

// The bytes as a host's settings file from which a kqAttributeSlider reads its properties.
QString sliderProperties(const std::uint8_t *data, std::size_t size);

// The bytes as a help page for the program's own viewer: the check of its markup, then, for a
// page it accepts, the viewer's document parsed, judged by its tables and laid out.
QString helpPage(const std::uint8_t *data, std::size_t size);

struct Target
{
    const char *name;
    Run run;
    const char *inputs; // the folder of its seeds and regression inputs
};

inline constexpr Target all[] = {
    {"rules-file", rulesFile, "rules-file"},
    {"rules-check", rulesCheck, "rules-file"},
    {"drain-tokens", drainTokens, "drain-tokens"},
    {"spell-document", spellDocument, "spell-document"},
    {"author-options", authorOptions, "author-options"},
    {"slider-properties", sliderProperties, "slider-properties"},
    {"help-page", helpPage, "help-page"},
};

} // namespace FuzzTargets
