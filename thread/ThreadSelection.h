// The thread tab's choices, without a window: the list of nominal diameters,
// the pitches of one diameter with their default, and the texts shown for a row.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace thread_calc {

struct DiameterItem {
    std::string text; // general number text: "1", "1,1", "5,5"
    double diameter;  // carried with the item, never read back from the text
};

// One item per distinct nominal diameter, in table order (46 items).
std::vector<DiameterItem> DiameterList();
// Selected diameter at start: position count div 2 ("15").
int DefaultDiameterPosition(int count);

struct PitchItem {
    std::string text; // general number text of the pitch
    int threadIndex;  // ThreadIndex 1..121 of its row
};

// The rows whose NominalDiameter equals the diameter exactly, ordered by
// ascending text (case-insensitive), each keeping its ThreadIndex.
std::vector<PitchItem> PitchList(double diameter);
// The coarse pitch (the last one, should there be several), else count div 2; -1 for an empty list.
int DefaultPitchPosition(const std::vector<PitchItem>& items);

struct ThreadHoleTexts {
    std::string kindCaption;   // "ОСНОВНАЯ РЕЗЬБА" or "Резьба с мелким шагом" (empty: leave the caption as it is)
    std::string holeDiameter;  // "13,43"
    std::string holeTolerance; // "+0,2"
    std::string midDiameter;   // HoleDiameter + HoleTolerance / 2: "13,53"
    std::string status;        // the thread and its hole in one line: "M15×1,5: отверстие 13,43 +0,2"
};

ThreadHoleTexts ShowThreadHole(int threadIndex);

// The thread table window's texts: the header line and the six cells of a row.
inline constexpr int TableColumnCount = 6;
using TableLine = std::array<std::string, TableColumnCount>;

// " №", " Номиин. диам. резьбы d", ...
TableLine TableHeader();
// " 44", " 10", " 1,5", " 8,43", " 0,2", "Основная резьба ".
TableLine TableRow(int threadIndex);
// The table's rows `first` to `last` (ThreadIndex) as text to paste: a single row is
// one line; several come under the header line, as a spreadsheet's table.
std::string CopiedRows(int first, int last);
// The row's pitch is the coarse (main) pitch of its diameter.
bool IsCoarsePitch(int threadIndex);
// The rows of a diameter are shaded when its band, rounded to a whole number, is even.
bool IsShadedBand(int threadIndex);

} // namespace thread_calc
