// The tolerance reference data of ISO 286: catalogue, size intervals, limit deviations.
#include "Data_Unit.h"

#include <array>
#include <cassert>

#include "Limits.h"

namespace Data_Unit {

namespace {

// ---- Field catalogue ------------------------------------------------------

// Letters as ISO 286 writes them: small letters for shafts, capitals for holes.
// The deviations of FieldIndex 4, 5, 6, 9 and 12 are those of the shafts k6, n6,
// r6, s7 and u8, and FieldIndex 22 those of the hole K7, so they are written so.
constexpr std::array<const char*, FieldCount> kLetters = {
    "g", "h", "Js", "k", "n", "r", "f", "h", "s", "f",      //  1..10
    "h", "u", "d", "f", "h", "d", "h", "b", "h",            // 11..19 shafts
    "H", "Js", "K", "F", "H", "H", "H", "H", "Js",          // 20..28 holes
    "h", "H", "Js", "h", "H", "Js", "h", "H", "Js", "h", "H", "Js", // 29..40
};

constexpr std::array<std::uint8_t, FieldCount> kQualities = {
    6, 6, 6, 6, 6, 6, 7, 7, 7, 8,
    8, 8, 9, 9, 9, 11, 11, 12, 12,
    7, 7, 7, 8, 8, 9, 11, 12, 12,
    13, 13, 13, 14, 14, 14, 15, 15, 15, 16, 16, 16,
};

// Small letters blue, capitals red, Js green.
constexpr FieldColour B = FieldColour::Blue;
constexpr FieldColour R = FieldColour::Red;
constexpr FieldColour G = FieldColour::Green;
constexpr std::array<FieldColour, FieldCount> kColourCodes = {
    B, B, G, B, B, B, B, B, B, B,
    B, B, B, B, B, B, B, B, B,
    R, G, R, R, R, R, R, R, G,
    B, R, G, B, R, G, B, R, G, B, R, G,
};

// The designations of the older national system of fits, in Cyrillic letters
// (С, Х, А, В, Н, М, р are Cyrillic here, not their Latin look-alikes);
// "-" where the field had none.
constexpr std::array<const char*, FieldCount> kOldDesignations = {
    "Д", "С", "П", "Н", "Г", "Пр", "Х", "С2", "Пр1", "-",
    "С3", "Пр2", "Ш3", "Х3", "С3", "Х4", "С4", "Х5", "С5",
    "А", "П", "Н", "Х", "А2", "А3", "А4", "А5", "-",
    "-", "-", "-", "В7", "А7", "СМ7", "В8", "А8", "СМ8", "В9", "А9", "СМ9",
};

// FieldIndex at each position of the list sorted by quality; within one
// quality the fields keep this customary order.
constexpr std::array<int, FieldCount> kQualitySortOrder = {
    1, 2, 3, 4, 5, 6, 7, 8, 20, 9,
    21, 22, 10, 23, 11, 24, 12, 13, 14, 15,
    25, 16, 17, 26, 18, 19, 27, 28, 29, 30,
    31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
};

// ---- Size intervals -------------------------------------------------------

// Upper bounds in mm: an extra interval below 1 mm, then the ISO 286 ranges
// with their intermediate subdivisions up to 500 mm, then 500..1000 mm.
constexpr std::array<std::int32_t, RangeCount> kUpperBounds = {
    1, 3, 6, 10, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140,
    160, 180, 200, 225, 250, 280, 315, 355, 400, 450, 500, 630, 800, 1000,
};

// ---- Limit deviations (micrometres) ---------------------------------------

struct IntervalLists {
    double Upper[FieldCount];
    double Lower[FieldCount];
};

// Above 500 mm only the coarse fields carry values: FieldIndex 26..40.
inline constexpr int LargeFirstField = 26;
inline constexpr int LargeFieldCount = FieldCount - LargeFirstField + 1;
struct LargeIntervalLists {
    double Upper[LargeFieldCount];
    double Lower[LargeFieldCount];
};

// Intervals 2..25, each as the 40 upper deviations then the 40 lower ones in
// FieldIndex order, ten fields a line. The interval below 1 mm is not printed in
// the standard's tables: its cells are those of ISO 286-1 (see belowOneMm).
constexpr IntervalLists kLists[24] = {
    // interval 2: from 1 to 3 mm
    {{
           -2,     0,     3,     6,    10,    16,    -6,     0,    24,    -6,
            0,    32,   -20,    -6,     0,   -20,     0,  -140,     0,    10,
            5,     0,    20,    14,    25,    60,   100,    50,     0,   140,
           70,     0,   250,   125,     0,   400,   200,     0,   600,   300,
    }, {
           -8,    -6,    -3,     0,     4,    10,   -16,   -10,    14,   -20,
          -14,    18,   -45,   -31,   -25,   -80,   -60,  -240,  -100,     0,
           -5,   -10,     6,     0,     0,     0,     0,   -50,  -140,     0,
          -70,  -250,     0,  -125,  -400,     0,  -200,  -600,     0,  -300,
    }},
    // interval 3: over 3 to 6 mm
    {{
           -4,     0,     4,     9,    16,    23,   -10,     0,    31,   -10,
            0,    41,   -30,   -10,     0,   -30,     0,  -140,     0,    12,
            6,     3,    28,    18,    30,    75,   120,    60,     0,   180,
           90,     0,   300,   150,     0,   480,   240,     0,   750,   375,
    }, {
          -12,    -8,    -4,     1,     8,    15,   -22,   -12,    19,   -28,
          -18,    23,   -60,   -40,   -30,  -105,   -75,  -260,  -120,     0,
           -6,    -9,    10,     0,     0,     0,     0,   -60,  -180,     0,
          -90,  -300,     0,  -150,  -480,     0,  -240,  -750,     0,  -375,
    }},
    // interval 4: over 6 to 10 mm
    {{
           -5,     0,   4.5,    10,    19,    28,   -13,     0,    38,   -13,
            0,    50,   -40,   -13,     0,   -40,     0,  -150,     0,    15,
            7,     5,    35,    22,    36,    90,   150,    75,     0,   220,
          110,     0,   360,   180,     0,   580,   290,     0,   900,   450,
    }, {
          -14,    -9,  -4.5,     1,    10,    19,   -28,   -15,    23,   -35,
          -22,    28,   -76,   -49,   -36,  -130,   -90,  -300,  -150,     0,
           -7,   -10,    13,     0,     0,     0,     0,   -75,  -220,     0,
         -110,  -360,     0,  -180,  -580,     0,  -290,  -900,     0,  -450,
    }},
    // interval 5: over 10 to 18 mm
    {{
           -6,     0,   5.5,    12,    23,    34,   -16,     0,    46,   -16,
            0,    60,   -50,   -16,     0,   -50,     0,  -150,     0,    18,
            9,     6,    43,    27,    43,   110,   180,    90,     0,   270,
          135,     0,   430,   215,     0,   700,   350,     0,  1100,   550,
    }, {
          -17,   -11,  -5.5,     1,    12,    23,   -34,   -18,    28,   -43,
          -27,    33,   -93,   -59,   -43,  -160,  -110,  -330,  -180,     0,
           -9,   -12,    16,     0,     0,     0,     0,   -90,  -270,     0,
         -135,  -430,     0,  -215,  -700,     0,  -350, -1100,     0,  -550,
    }},
    // interval 6: over 18 to 24 mm
    {{
           -7,     0,   6.5,    15,    28,    41,   -20,     0,    56,   -20,
            0,    74,   -65,   -20,     0,   -65,     0,  -160,     0,    21,
           10,     6,    53,    33,    52,   130,   210,   105,     0,   330,
          165,     0,   520,   260,     0,   840,   420,     0,  1300,   650,
    }, {
          -20,   -13,  -6.5,     2,    15,    28,   -41,   -21,    35,   -53,
          -33,    41,  -117,   -72,   -52,  -195,  -130,  -370,  -210,     0,
          -10,   -15,    20,     0,     0,     0,     0,  -105,  -330,     0,
         -165,  -520,     0,  -260,  -840,     0,  -420, -1300,     0,  -650,
    }},
    // interval 7: over 24 to 30 mm
    {{
           -7,     0,   6.5,    15,    28,    41,   -20,     0,    56,   -20,
            0,    81,   -65,   -20,     0,   -65,     0,  -160,     0,    21,
           10,     6,    53,    33,    52,   130,   210,   105,     0,   330,
          165,     0,   520,   260,     0,   840,   420,     0,  1300,   650,
    }, {
          -20,   -13,  -6.5,     2,    15,    28,   -41,   -21,    35,   -53,
          -33,    48,  -117,   -72,   -52,  -195,  -130,  -370,  -210,     0,
          -10,   -15,    20,     0,     0,     0,     0,  -105,  -330,     0,
         -165,  -520,     0,  -260,  -840,     0,  -420, -1300,     0,  -650,
    }},
    // interval 8: over 30 to 40 mm
    {{
           -9,     0,     8,    18,    33,    50,   -25,     0,    68,   -25,
            0,    99,   -80,   -25,     0,   -80,     0,  -170,     0,    25,
           12,     7,    64,    39,    62,   160,   250,   125,     0,   390,
          195,     0,   620,   310,     0,  1000,   500,     0,  1600,   800,
    }, {
          -25,   -16,    -8,     2,    17,    34,   -50,   -25,    43,   -64,
          -39,    60,  -142,   -87,   -62,  -240,  -160,  -420,  -250,     0,
          -12,   -18,    25,     0,     0,     0,     0,  -125,  -390,     0,
         -195,  -620,     0,  -310, -1000,     0,  -500, -1600,     0,  -800,
    }},
    // interval 9: over 40 to 50 mm
    {{
           -9,     0,     8,    18,    33,    50,   -25,     0,    68,   -25,
            0,   109,   -80,   -25,     0,   -80,     0,  -180,     0,    25,
           12,     7,    64,    39,    62,   160,   250,   125,     0,   390,
          195,     0,   620,   310,     0,  1000,   500,     0,  1600,   800,
    }, {
          -25,   -16,    -8,     2,    17,    34,   -50,   -25,    43,   -64,
          -39,    70,  -142,   -87,   -62,  -240,  -160,  -430,  -250,     0,
          -12,   -18,    25,     0,     0,     0,     0,  -125,  -390,     0,
         -195,  -620,     0,  -310, -1000,     0,  -500, -1600,     0,  -800,
    }},
    // interval 10: over 50 to 65 mm
    {{
          -10,     0,   9.5,    21,    39,    60,   -30,     0,    83,   -30,
            0,   133,  -100,   -30,     0,  -100,     0,  -190,     0,    30,
           15,     9,    76,    46,    74,   190,   300,   150,     0,   460,
          230,     0,   740,   370,     0,  1200,   600,     0,  1900,   950,
    }, {
          -29,   -19,  -9.5,     2,    20,    41,   -60,   -30,    53,   -76,
          -46,    87,  -174,  -104,   -74,  -290,  -190,  -490,  -300,     0,
          -15,   -21,    30,     0,     0,     0,     0,  -150,  -460,     0,
         -230,  -740,     0,  -370, -1200,     0,  -600, -1900,     0,  -950,
    }},
    // interval 11: over 65 to 80 mm
    {{
          -10,     0,   9.5,    21,    39,    62,   -30,     0,    89,   -30,
            0,   148,  -100,   -30,     0,  -100,     0,  -200,     0,    30,
           15,     9,    76,    46,    74,   190,   300,   150,     0,   460,
          230,     0,   740,   370,     0,  1200,   600,     0,  1900,   950,
    }, {
          -29,   -19,  -9.5,     2,    20,    43,   -60,   -30,    59,   -76,
          -46,   102,  -174,  -104,   -74,  -290,  -190,  -500,  -300,     0,
          -15,   -21,    30,     0,     0,     0,     0,  -150,  -460,     0,
         -230,  -740,     0,  -370, -1200,     0,  -600, -1900,     0,  -950,
    }},
    // interval 12: over 80 to 100 mm
    {{
          -12,     0,    11,    25,    45,    73,   -36,     0,   106,   -36,
            0,   178,  -120,   -36,     0,  -120,     0,  -220,     0,    35,
           17,    10,    90,    54,    87,   220,   350,   175,     0,   540,
          270,     0,   870,   435,     0,  1400,   700,     0,  2200,  1100,
    }, {
          -34,   -22,   -11,     3,    23,    51,   -71,   -35,    71,   -90,
          -54,   124,  -207,  -123,   -87,  -340,  -220,  -570,  -350,     0,
          -17,   -25,    36,     0,     0,     0,     0,  -175,  -540,     0,
         -270,  -870,     0,  -435, -1400,     0,  -700, -2200,     0, -1100,
    }},
    // interval 13: over 100 to 120 mm
    {{
          -12,     0,    11,    25,    45,    76,   -36,     0,   114,   -36,
            0,   198,  -120,   -36,     0,  -120,     0,  -240,     0,    35,
           17,    10,    90,    54,    87,   220,   350,   175,     0,   540,
          270,     0,   870,   435,     0,  1400,   700,     0,  2200,  1100,
    }, {
          -34,   -22,   -11,     3,    23,    54,   -71,   -35,    79,   -90,
          -54,   144,  -207,  -123,   -87,  -340,  -220,  -590,  -350,     0,
          -17,   -25,    36,     0,     0,     0,     0,  -175,  -540,     0,
         -270,  -870,     0,  -435, -1400,     0,  -700, -2200,     0, -1100,
    }},
    // interval 14: over 120 to 140 mm
    {{
          -14,     0,  12.5,    28,    52,    88,   -43,     0,   132,   -43,
            0,   233,  -145,   -43,     0,  -145,     0,  -260,     0,    40,
           20,    12,   106,    63,   100,   250,   400,   200,     0,   630,
          315,     0,  1000,   500,     0,  1600,   800,     0,  2500,  1250,
    }, {
          -39,   -25, -12.5,     3,    27,    63,   -83,   -40,    92,  -106,
          -63,   170,  -245,  -143,  -100,  -395,  -250,  -660,  -400,     0,
          -20,   -28,    43,     0,     0,     0,     0,  -200,  -630,     0,
         -315, -1000,     0,  -500, -1600,     0,  -800, -2500,     0, -1250,
    }},
    // interval 15: over 140 to 160 mm
    {{
          -14,     0,  12.5,    28,    52,    90,   -43,     0,   140,   -43,
            0,   253,  -145,   -43,     0,  -145,     0,  -280,     0,    40,
           20,    12,   106,    63,   100,   250,   400,   200,     0,   630,
          315,     0,  1000,   500,     0,  1600,   800,     0,  2500,  1250,
    }, {
          -39,   -25, -12.5,     3,    27,    65,   -83,   -40,   100,  -106,
          -63,   190,  -245,  -143,  -100,  -395,  -250,  -680,  -400,     0,
          -20,   -28,    43,     0,     0,     0,     0,  -200,  -630,     0,
         -315, -1000,     0,  -500, -1600,     0,  -800, -2500,     0, -1250,
    }},
    // interval 16: over 160 to 180 mm
    {{
          -14,     0,  12.5,    28,    52,    93,   -43,     0,   148,   -43,
            0,   273,  -145,   -43,     0,  -145,     0,  -310,     0,    40,
           20,    12,   106,    63,   100,   250,   400,   200,     0,   630,
          315,     0,  1000,   500,     0,  1600,   800,     0,  2500,  1250,
    }, {
          -39,   -25, -12.5,     3,    27,    68,   -83,   -40,   108,  -106,
          -63,   210,  -245,  -143,  -100,  -395,  -250,  -710,  -400,     0,
          -20,   -28,    43,     0,     0,     0,     0,  -200,  -630,     0,
         -315, -1000,     0,  -500, -1600,     0,  -800, -2500,     0, -1250,
    }},
    // interval 17: over 180 to 200 mm
    {{
          -15,     0,  14.5,    33,    60,   106,   -50,     0,   168,   -50,
            0,   308,  -170,   -50,     0,  -170,     0,  -340,     0,    46,
           23,    13,   122,    72,   115,   290,   460,   230,     0,   720,
          360,     0,  1150,   575,     0,  1850,   925,     0,  2900,  1450,
    }, {
          -44,   -29, -14.5,     4,    31,    77,   -96,   -46,   122,  -122,
          -72,   236,  -285,  -165,  -115,  -460,  -290,  -800,  -460,     0,
          -23,   -33,    50,     0,     0,     0,     0,  -230,  -720,     0,
         -360, -1150,     0,  -575, -1850,     0,  -925, -2900,     0, -1450,
    }},
    // interval 18: over 200 to 225 mm
    {{
          -15,     0,  14.5,    33,    60,   109,   -50,     0,   176,   -50,
            0,   330,  -170,   -50,     0,  -170,     0,  -380,     0,    46,
           23,    13,   122,    72,   115,   290,   460,   230,     0,   720,
          360,     0,  1150,   575,     0,  1850,   925,     0,  2900,  1450,
    }, {
          -44,   -29, -14.5,     4,    31,    80,   -96,   -46,   130,  -122,
          -72,   258,  -285,  -165,  -115,  -460,  -290,  -840,  -460,     0,
          -23,   -33,    50,     0,     0,     0,     0,  -230,  -720,     0,
         -360, -1150,     0,  -575, -1850,     0,  -925, -2900,     0, -1450,
    }},
    // interval 19: over 225 to 250 mm
    {{
          -15,     0,  14.5,    33,    60,   113,   -50,     0,   186,   -50,
            0,   356,  -170,   -50,     0,  -170,     0,  -420,     0,    46,
           23,    13,   122,    72,   115,   290,   460,   230,     0,   720,
          360,     0,  1150,   575,     0,  1850,   925,     0,  2900,  1450,
    }, {
          -44,   -29, -14.5,     4,    31,    84,   -96,   -46,   140,  -122,
          -72,   284,  -285,  -165,  -115,  -460,  -290,  -880,  -460,     0,
          -23,   -33,    50,     0,     0,     0,     0,  -230,  -720,     0,
         -360, -1150,     0,  -575, -1850,     0,  -925, -2900,     0, -1450,
    }},
    // interval 20: over 250 to 280 mm
    {{
          -17,     0,    16,    36,    66,   126,   -56,     0,   210,   -56,
            0,   396,  -190,   -56,     0,  -190,     0,  -480,     0,    52,
           26,    16,   137,    81,   130,   320,   520,   260,     0,   810,
          405,     0,  1300,   650,     0,  2100,  1050,     0,  3200,  1600,
    }, {
          -49,   -32,   -16,     4,    34,    94,  -108,   -52,   158,  -137,
          -81,   315,  -320,  -186,  -130,  -510,  -320, -1000,  -520,     0,
          -26,   -36,    56,     0,     0,     0,     0,  -260,  -810,     0,
         -405, -1300,     0,  -650, -2100,     0, -1050, -3200,     0, -1600,
    }},
    // interval 21: over 280 to 315 mm
    {{
          -17,     0,    16,    36,    66,   130,   -56,     0,   222,   -56,
            0,   431,  -190,   -56,     0,  -190,     0,  -540,     0,    52,
           26,    16,   137,    81,   130,   320,   520,   260,     0,   810,
          405,     0,  1300,   650,     0,  2100,  1050,     0,  3200,  1600,
    }, {
          -49,   -32,   -16,     4,    34,    98,  -108,   -52,   170,  -137,
          -81,   350,  -320,  -186,  -130,  -510,  -320, -1060,  -520,     0,
          -26,   -36,    56,     0,     0,     0,     0,  -260,  -810,     0,
         -405, -1300,     0,  -650, -2100,     0, -1050, -3200,     0, -1600,
    }},
    // interval 22: over 315 to 355 mm
    {{
          -18,     0,    18,    40,    73,   144,   -62,     0,   247,   -62,
            0,   479,  -210,   -62,     0,  -210,     0,  -600,     0,    57,
           28,    17,   151,    89,   140,   360,   570,   285,     0,   890,
          445,     0,  1400,   700,     0,  2300,  1150,     0,  3600,  1800,
    }, {
          -54,   -36,   -18,     4,    37,   108,  -119,   -57,   190,  -151,
          -89,   390,  -350,  -202,  -140,  -570,  -360, -1170,  -570,     0,
          -28,   -40,    62,     0,     0,     0,     0,  -285,  -890,     0,
         -445, -1400,     0,  -700, -2300,     0, -1150, -3600,     0, -1800,
    }},
    // interval 23: over 355 to 400 mm
    {{
          -18,     0,    18,    40,    73,   150,   -62,     0,   265,   -62,
            0,   524,  -210,   -62,     0,  -210,     0,  -680,     0,    57,
           28,    17,   151,    89,   140,   360,   570,   285,     0,   890,
          445,     0,  1400,   700,     0,  2300,  1150,     0,  3600,  1800,
    }, {
          -54,   -36,   -18,     4,    37,   114,  -119,   -57,   208,  -151,
          -89,   435,  -350,  -202,  -140,  -570,  -360, -1250,  -570,     0,
          -28,   -40,    62,     0,     0,     0,     0,  -285,  -890,     0,
         -445, -1400,     0,  -700, -2300,     0, -1150, -3600,     0, -1800,
    }},
    // interval 24: over 400 to 450 mm
    {{
          -20,     0,    20,    45,    80,   166,   -68,     0,   295,   -68,
            0,   587,  -230,   -68,     0,  -230,     0,  -760,     0,    63,
           31,    18,   165,    97,   155,   400,   630,   315,     0,   970,
          485,     0,  1550,   775,     0,  2500,  1250,     0,  4000,  2000,
    }, {
          -60,   -40,   -20,     5,    40,   126,  -131,   -63,   232,  -165,
          -97,   490,  -385,  -223,  -155,  -630,  -400, -1390,  -630,     0,
          -31,   -45,    68,     0,     0,     0,     0,  -315,  -970,     0,
         -485, -1550,     0,  -775, -2500,     0, -1250, -4000,     0, -2000,
    }},
    // interval 25: over 450 to 500 mm
    {{
          -20,     0,    20,    45,    80,   172,   -68,     0,   315,   -68,
            0,   637,  -230,   -68,     0,  -230,     0,  -840,     0,    63,
           31,    18,   165,    97,   155,   400,   630,   315,     0,   970,
          485,     0,  1550,   775,     0,  2500,  1250,     0,  4000,  2000,
    }, {
          -60,   -40,   -20,     5,    40,   132,  -131,   -63,   252,  -165,
          -97,   540,  -385,  -223,  -155,  -630,  -400, -1470,  -630,     0,
          -31,   -45,    68,     0,     0,     0,     0,  -315,  -970,     0,
         -485, -1550,     0,  -775, -2500,     0, -1250, -4000,     0, -2000,
    }},
};

// Intervals 26..28, upper then lower deviations of FieldIndex 26..40
// (H11, H12, Js12, h13, H13, Js13, ... Js16). The other cells of these
// intervals follow from them (makeDeviationTable).
constexpr LargeIntervalLists kLargeLists[3] = {
    // interval 26: over 500 to 630 mm
    {{
          440,   700,   350,     0,  1100,   550,     0,  1750,   875,     0,  2800,  1400,     0,  4400,  2200,
    }, {
            0,     0,  -350, -1100,     0,  -550, -1750,     0,  -875, -2800,     0, -1400, -4400,     0, -2200,
    }},
    // interval 27: over 630 to 800 mm
    {{
          500,   800,   400,     0,  1250,   625,     0,  2000,  1000,     0,  3200,  1600,     0,  5000,  2500,
    }, {
            0,     0,  -400, -1250,     0,  -625, -2000,     0, -1000, -3200,     0, -1600, -5000,     0, -2500,
    }},
    // interval 28: over 800 to 1000 mm
    {{
          560,   900,   450,     0,  1400,   700,     0,  2300,  1150,     0,  3600,  1800,     0,  5600,  2800,
    }, {
            0,     0,  -450, -1400,     0,  -700, -2300,     0, -1150, -3600,     0, -1800, -5600,     0, -2800,
    }},
};

constexpr int FieldH11 = 17, FieldH12 = 19;         // shafts h11, h12
constexpr int FieldHole11 = 26, FieldHole12 = 27;   // holes H11, H12
constexpr int FieldJs12 = 28;

constexpr std::array<SizeRange, RangeCount> makeSizeRanges()
{
    std::array<SizeRange, RangeCount> ranges{};
    ranges[0] = {0, kUpperBounds[0]};
    for (int k = 1; k < RangeCount; ++k)
        ranges[k] = {ranges[k - 1].UpperBound, kUpperBounds[k]};
    return ranges;
}

using DeviationCells = std::array<std::array<DeviationCell, RangeCount>, FieldCount>;

constexpr DeviationCells makeDeviationTable()
{
    DeviationCells cells{};
    auto cellAt = [&cells](int fieldIndex, int rangeIndex) -> DeviationCell& {
        return cells[fieldIndex - 1][rangeIndex - 1];
    };
    for (int range = 2; range <= 25; ++range) {
        const IntervalLists& lists = kLists[range - 2];
        for (int field = 1; field <= FieldCount; ++field)
            cellAt(field, range) = {lists.Lower[field - 1], lists.Upper[field - 1], true};
    }
    for (int range = 26; range <= RangeCount; ++range) {
        const LargeIntervalLists& lists = kLargeLists[range - 26];
        for (int i = 0; i < LargeFieldCount; ++i)
            cellAt(LargeFirstField + i, range) = {lists.Lower[i], lists.Upper[i], true};
    }

    // Above 500 mm the shafts h11 and h12 mirror the holes H11 and H12;
    // Js12 has no data there.
    for (int range = 26; range <= RangeCount; ++range) {
        cellAt(FieldH11, range) = {-cellAt(FieldHole11, range).UpperDeviation, 0, true};
        cellAt(FieldH12, range) = {-cellAt(FieldHole12, range).UpperDeviation, 0, true};
        cellAt(FieldJs12, range).Present = false;
    }
    return cells;
}

// The tables as the program reads them, complete at compile time.
constexpr std::array<SizeRange, RangeCount> kSizeRanges = makeSizeRanges();
constexpr DeviationCells kDeviations = makeDeviationTable();

// The catalogue holds its letters as strings, made once, at the first reading.
const std::array<ToleranceField, FieldCount>& catalogue()
{
    static const std::array<ToleranceField, FieldCount> fields = [] {
        std::array<ToleranceField, FieldCount> made;
        for (int i = 0; i < FieldCount; ++i)
            made[i] = {kQualities[i], kLetters[i]};
        return made;
    }();
    return fields;
}

// The interval below 1 mm, as ISO 286-1 has it: its first interval runs "up to
// 3 mm", so a class defined up to 1 mm has the deviations of that interval there;
// a and b, and the grades IT14 to IT18, are not used up to 1 mm and have no cell.
// The engine is asked at 1 mm, the top of the interval.
const std::array<DeviationCell, FieldCount>& belowOneMm()
{
    static const std::array<DeviationCell, FieldCount> cells = [] {
        std::array<DeviationCell, FieldCount> made{};
        for (int field = 1; field <= FieldCount; ++field) {
            const iso286::Limits limits = iso286::limitsOf(number::Decimal{1}, IsoClass(field));
            if (limits.defined)
                made[std::size_t(field - 1)] = {limits.lower.toDouble(), limits.upper.toDouble(), true};
        }
        return made;
    }();
    return cells;
}

[[maybe_unused]] bool validField(int fieldIndex) { return fieldIndex >= 1 && fieldIndex <= FieldCount; }
[[maybe_unused]] bool validRange(int rangeIndex) { return rangeIndex >= 1 && rangeIndex <= RangeCount; }

} // namespace

// The tables are compiled in whole: the start-up fills have nothing left to do.
void FillSizeRanges() {}
void FillDeviationTable() {}
void FillFieldCatalogue() {}

const ToleranceField& FieldCatalogue(int fieldIndex)
{
    assert(validField(fieldIndex));
    return catalogue()[std::size_t(fieldIndex - 1)];
}

std::string Designation(int fieldIndex)
{
    const ToleranceField& field = FieldCatalogue(fieldIndex);
    return field.Letter + std::to_string(field.Quality);
}

namespace {

// The compiled-in texts of one field table as strings, built once.
std::array<std::string, FieldCount> textTable(const std::array<const char*, FieldCount>& source)
{
    std::array<std::string, FieldCount> texts;
    for (int i = 0; i < FieldCount; ++i)
        texts[i] = source[i];
    return texts;
}

} // namespace

iso286::ToleranceClass IsoClass(int fieldIndex)
{
    const ToleranceField& field = FieldCatalogue(fieldIndex);
    std::string letter = field.Letter;
    if (letter == "Js")
        letter = fieldIndex <= LastShaftBlockField ? "js" : "JS";
    return *iso286::parseClass(letter + std::to_string(field.Quality));
}

FieldColour ColourCode(int fieldIndex)
{
    assert(validField(fieldIndex));
    return kColourCodes[std::size_t(fieldIndex - 1)];
}

FieldColour LetterColour(const std::string& letter)
{
    if (letter == "Js")
        return FieldColour::Green;
    return !letter.empty() && letter[0] >= 'a' && letter[0] <= 'z' ? FieldColour::Blue : FieldColour::Red;
}

const std::string& OldDesignation(int fieldIndex)
{
    assert(validField(fieldIndex));
    static const auto designations = textTable(kOldDesignations);
    return designations[fieldIndex - 1];
}

int QualitySortOrder(int position)
{
    assert(validField(position));
    return kQualitySortOrder[position - 1];
}

const SizeRange& SizeRangeTable(int rangeIndex)
{
    assert(validRange(rangeIndex));
    return kSizeRanges[std::size_t(rangeIndex - 1)];
}

const DeviationCell& DeviationTable(int fieldIndex, int rangeIndex)
{
    assert(validField(fieldIndex) && validRange(rangeIndex));
    if (rangeIndex == 1)
        return belowOneMm()[std::size_t(fieldIndex - 1)];
    return kDeviations[std::size_t(fieldIndex - 1)][std::size_t(rangeIndex - 1)];
}

} // namespace Data_Unit
