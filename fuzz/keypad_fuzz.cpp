// The keypad's display and memory under any sequence of key presses: the display
// always holds at least one character, digits with at most one comma, never in front;
// the decimal key works exactly while there is no comma; the memory cells hold what
// was stored. A plain model of the keys, written from their descriptions, runs beside.
#include <array>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "KeypadDisplay.h"

namespace {

struct Model {
    std::string display = "0";
    bool point = false;
    std::array<std::string, 7> cells;

    static bool nonZeroNumber(const std::string& text)
    {
        bool nonZero = false;
        for (const char c : text)
            nonZero = nonZero || (c >= '1' && c <= '9');
        return nonZero;
    }
};

bool validDisplay(const std::string& text)
{
    if (text.empty() || text[0] == ',')
        return false;
    int commas = 0;
    for (const char c : text) {
        if (c == ',')
            ++commas;
        else if (c < '0' || c > '9')
            return false;
    }
    return commas <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KeypadDisplay keypad;
    Model model;
    std::string keys;
    for (std::size_t i = 0; i < size; ++i) {
        const int key = data[i] % 18;
        const int cell = (data[i] / 18) % 7 + 1;
        std::string& stored = model.cells[std::size_t(cell - 1)];
        keys += std::to_string(key) + (key >= 13 && key <= 15 ? "@" + std::to_string(cell) : "") + " ";
        if (key <= 9) {
            const char digit = char('0' + key);
            keypad.appendDigit(digit);
            model.display = model.display == "0" ? std::string(1, digit) : model.display + digit;
        } else if (key == 10) {
            keypad.enterPoint();
            if (!model.point) {
                model.display += ',';
                model.point = true;
            }
        } else if (key == 11) {
            keypad.reset();
            model.display = "0";
            model.point = false;
        } else if (key == 12) {
            keypad.backspace();
            if (model.display != "0") {
                if (model.display.back() == ',')
                    model.point = false;
                model.display = model.display.size() > 1 ? model.display.substr(0, model.display.size() - 1) : "0";
            }
        } else if (key == 13) {
            const bool took = keypad.store(cell);
            const bool shouldTake = Model::nonZeroNumber(model.display);
            FUZZ_CHECK(took == shouldTake, "store of \"%s\" after keys %s", model.display.c_str(), keys.c_str());
            if (shouldTake) {
                stored = model.display;
                model.display = "0";
                model.point = false;
            }
        } else if (key == 14) {
            keypad.recall(cell);
            model.display = stored.empty() ? "0" : stored;
            model.point = stored.find(',') != std::string::npos;
        } else if (key == 15) {
            keypad.clearCell(cell);
            stored.clear();
        } else if (key == 16) {
            keypad.clearAllCells();
            for (std::string& c : model.cells)
                c.clear();
        } else {
            // Enter: a trailing comma goes; the display keeps the number.
            keypad.finish();
            if (model.display.back() == ',')
                model.display.pop_back();
            model.point = model.display.find(',') != std::string::npos;
        }
        const std::string& shown = keypad.text();
        FUZZ_CHECK(validDisplay(shown), "display \"%s\" after keys %s", shown.c_str(), keys.c_str());
        FUZZ_CHECK(shown == model.display, "display \"%s\", expected \"%s\", after keys %s", shown.c_str(),
                   model.display.c_str(), keys.c_str());
        FUZZ_CHECK(keypad.pointEntered() == KeypadDisplay::hasComma(shown),
                   "decimal key %s on \"%s\" after keys %s", keypad.pointEntered() ? "locked" : "free", shown.c_str(),
                   keys.c_str());
        for (int k = 1; k <= KeypadDisplay::CellCount; ++k) {
            const std::string& text = keypad.cellText(k);
            FUZZ_CHECK(text == model.cells[std::size_t(k - 1)], "cell %d \"%s\" after keys %s", k, text.c_str(), keys.c_str());
            FUZZ_CHECK(text.empty() || (validDisplay(text) && KeypadDisplay::readsAsNonZero(text)), "cell %d \"%s\"", k,
                       text.c_str());
            FUZZ_CHECK(keypad.cellCaption(k) == "N" + std::to_string(k) + " - (" + (text.empty() ? "0" : text) + ")",
                       "caption of cell %d", k);
        }
    }
    return 0;
}
