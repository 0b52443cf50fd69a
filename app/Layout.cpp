// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

namespace app::layout {
namespace {

constexpr Font tahoma825 {"Tahoma", 825};
constexpr Font tahoma825b {"Tahoma", 825, true};
constexpr Font tahoma975 {"Tahoma", 975};
constexpr Font tahoma975b {"Tahoma", 975, true};
constexpr Font none {};

using K = Kind;

// clang-format off
constexpr Control table[] = {
    // name           kind             container    caption                  left  top   width height font          fore       back       border     flags                         picture                              tab
    {"picNew",        K::PictureBox,   "frmMain",   "",                      0,    0,    1665, 7890, none,         nullptr,   "#CDCDCD", nullptr,   NoBorder,                     nullptr,                             7},
    {"Picture4",      K::PictureBox,   "frmMain",   "",                      9600, 2280, 465,  135,  none,         nullptr,   nullptr,   nullptr,   Hidden,                       ":/assets/corner-about.jpg",         2},
    {"Picture3",      K::PictureBox,   "frmMain",   "",                      9600, 2160, 420,  135,  none,         nullptr,   nullptr,   nullptr,   Hidden,                       ":/assets/corner-shutdown.jpg",      1},
    {"Picture1",      K::PictureBox,   "frmMain",   "",                      9600, 2280, 465,  255,  none,         nullptr,   nullptr,   nullptr,   Hidden,                       ":/assets/corner-clicker.jpg",       0},
    {"hitPict(2)",    K::PictureBox,   "frmMain",   "",                      1680, 0,    6255, 6045, none,         nullptr,   "#FFFFFF", nullptr,   NoBorder,                     nullptr,                             5},
    {"hitPict(1)",    K::PictureBox,   "frmMain",   "",                      1680, 0,    6255, 6015, none,         nullptr,   "#FFFFFF", nullptr,   NoBorder,                     nullptr,                             4},
    {"hitPict(3)",    K::PictureBox,   "frmMain",   "",                      1680, 0,    6255, 6045, none,         nullptr,   "#FFFFFF", nullptr,   NoBorder,                     nullptr,                             6},
    {"lblcpbd",       K::Label,        "frmMain",   "",                      2850, 5880, 405,  195,  {"Cambria", 825}, "#C04000", nullptr, nullptr,   AutoSize | Transparent,       nullptr,                             3},

    {"Shape3",        K::Shape,        "picNew",    "",                      120,  3840, 1605, 495,  none,         nullptr,   nullptr,   "#E0E0E0", Hidden,                       nullptr,                             -1},
    {"Label2",        K::Label,        "picNew",    "System",                300,  4440, 720,  240,  tahoma975b,   "#FFFFFF", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             9},
    {"Label3",        K::Label,        "picNew",    "About",                 300,  4920, 600,  240,  tahoma975b,   "#FFFFFF", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             8},
    {"I",             K::Image,        "picNew",    "",                      0,    0,    1650, 1650, none,         nullptr,   nullptr,   nullptr,   Stretch,                      ":/assets/corner-clicker.jpg",       -1},
    {"imgIC(0)",      K::Image,        "picNew",    "",                      120,  3840, 1440, 495,  none,         nullptr,   nullptr,   nullptr,   0,                            nullptr,                             -1},
    {"imgIC(1)",      K::Image,        "picNew",    "",                      75,   4320, 1440, 495,  none,         nullptr,   nullptr,   nullptr,   0,                            nullptr,                             -1},
    {"imgIC(2)",      K::Image,        "picNew",    "",                      75,   4800, 1440, 495,  none,         nullptr,   nullptr,   nullptr,   0,                            nullptr,                             -1},
    {"Label1",        K::Label,        "picNew",    "Mouse",                 300,  3960, 630,  240,  tahoma975b,   "#FFFFFF", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             10},
    {"Shape4",        K::Shape,        "picNew",    "",                      120,  3840, 1665, 495,  none,         nullptr,   "#808080", nullptr,   0,                            nullptr,                             -1},

    {"cmdStart",      K::CommandButton,"hitPict(2)","Start",                 3840, 5400, 1335, 375,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             31},
    {"Text1",         K::TextBox,      "hitPict(2)","00",                    2640, 1680, 495,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             20},
    {"Text2",         K::TextBox,      "hitPict(2)","00",                    3600, 1680, 495,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             19},
    {"Text3",         K::TextBox,      "hitPict(2)","00",                    4560, 1680, 495,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             18},
    {"Combo1",        K::ComboBox,     "hitPict(2)","Left|Right|Middle",     960,  4440, 1215, 315,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             17},
    {"Combo2",        K::ComboBox,     "hitPict(2)","Single click|Double click", 3120, 4440, 1455, 315, tahoma825, nullptr,   nullptr,   nullptr,   0,                            nullptr,                             16},
    {"Option1",       K::OptionButton, "hitPict(2)","Run untill stoped",     240,  2880, 1815, 255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   Selected,                     nullptr,                             15},
    {"Option2",       K::OptionButton, "hitPict(2)","Stop after",            2160, 2880, 1215, 255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             14},
    {"Text4",         K::TextBox,      "hitPict(2)","10",                    2160, 3240, 735,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             13},
    {"Text5",         K::TextBox,      "hitPict(2)","100",                   3840, 3240, 735,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             12},
    {"Combo3",        K::ComboBox,     "hitPict(2)","Very Slow|Slow|Normal|Fast|Very Fast", 960, 1680, 1455, 315, tahoma825, nullptr, nullptr, nullptr, 0,                     nullptr,                             11},
    {"Image2",        K::Image,        "hitPict(2)","",                      240,  530,  225,  315,  none,         nullptr,   nullptr,   nullptr,   0,                            ":/assets/current-position.bmp",     -1},
    {"Label17",       K::Label,        "hitPict(2)","Start/Stop Hot Key: F9",240,  5520, 1905, 195,  tahoma825b,   "#008080", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             32},
    {"Shape2",        K::Shape,        "hitPict(2)","",                      120,  5430, 2295, 375,  none,         nullptr,   "#F7F7F7", "#E2E6FE", 0,                            nullptr,                             -1},
    {"Label20",       K::Label,        "hitPict(2)"," S/10",                 5040, 1740, 375,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             35},
    {"Label19",       K::Label,        "hitPict(2)"," SS",                   4080, 1740, 225,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             34},
    {"Label4",        K::Label,        "hitPict(2)"," MM",                   3120, 1740, 285,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             33},
    {"Label15",       K::Label,        "hitPict(2)","Intervel",              120,  1140, 855,  255,  tahoma825b,   "#404040", nullptr,   nullptr,   Transparent,                  nullptr,                             30},
    {"Label14",       K::Label,        "hitPict(2)","Button:",               240,  4500, 615,  255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             29},
    {"Label11",       K::Label,        "hitPict(2)","Action:",               2400, 4500, 615,  255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             28},
    {"Label10",       K::Label,        "hitPict(2)","Minutes or",            3000, 3285, 750,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             27},
    {"Label7",        K::Label,        "hitPict(2)","Clicks",                4680, 3280, 615,  255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             26},
    {"Label8",        K::Label,        "hitPict(2)","Repeat",                120,  2320, 615,  255,  tahoma825b,   "#404040", nullptr,   nullptr,   Transparent,                  nullptr,                             25},
    {"Label9",        K::Label,        "hitPict(2)","Click",                 120,  3900, 495,  255,  tahoma825b,   "#404040", nullptr,   nullptr,   Transparent,                  nullptr,                             24},
    {"Label12",       K::Label,        "hitPict(2)","Co-ordinates",          120,  60,   975,  255,  tahoma825b,   "#404040", nullptr,   nullptr,   Transparent,                  nullptr,                             23},
    {"Label13",       K::Label,        "hitPict(2)","Current position",      600,  600,  1575, 255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             22},
    {"Label5",        K::Label,        "hitPict(2)","Preset:",               240,  1740, 615,  255,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   0,                            nullptr,                             21},
    {"Shape1(0)",     K::Shape,        "hitPict(2)","",                      0,    1080, 6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},
    {"Shape1(1)",     K::Shape,        "hitPict(2)","",                      0,    0,    6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},
    {"Shape1(2)",     K::Shape,        "hitPict(2)","",                      0,    2280, 6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},
    {"Shape1(3)",     K::Shape,        "hitPict(2)","",                      0,    3840, 6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},

    {"Label25",       K::Label,        "hitPict(1)","more free software",    4800, 5760, 1395, 195,  {"Tahoma", 825, false, true}, "#8080FF", nullptr, nullptr, AutoSize | Transparent, nullptr,                     48},
    {"Label6",        K::Label,        "hitPict(1)","Vantrel",               1560, 3120, 3015, 345,  {"Tahoma", 1425}, "#C0C0C0", nullptr, nullptr,   AutoSize | Transparent,       nullptr,                             47},
    {"Image1",        K::Image,        "hitPict(1)","",                      2520, 1920, 960,  960,  none,         nullptr,   nullptr,   nullptr,   0,                            ":/assets/about-banner.jpg",         -1},

    {"Check1",        K::CheckBox,     "hitPict(3)","Remind me before 5 minutes", 3000, 750, 2895, 255, tahoma825, nullptr,  "#FFFFFF", nullptr,   Ticked,                       nullptr,                             45},
    {"Text7",         K::TextBox,      "hitPict(3)","00",                    2400, 2280, 495,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             41},
    {"Text6",         K::TextBox,      "hitPict(3)","01",                    960,  2280, 495,  285,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             40},
    {"cmdStartShtdwnTimer", K::CommandButton, "hitPict(3)", "Start",         3840, 5400, 1335, 375,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             39},
    {"Combo4",        K::ComboBox,     "hitPict(3)","Shutdown|Restart|Logoff", 480, 720, 2175, 315,  tahoma825,    nullptr,   nullptr,   nullptr,   0,                            nullptr,                             37},
    {"Label24",       K::Label,        "hitPict(3)","After:",                360,  2310, 435,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             46},
    {"Label21",       K::Label,        "hitPict(3)","00:00",                 360,  3120, 495,  240,  tahoma975,    "#800000", nullptr,   nullptr,   Hidden | AutoSize | Transparent, nullptr,                          44},
    {"Label23",       K::Label,        "hitPict(3)"," Hours",                1530, 2310, 465,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             43},
    {"Label22",       K::Label,        "hitPict(3)","Minutes",               3000, 2310, 555,  195,  tahoma825,    nullptr,   "#FFFFFF", nullptr,   AutoSize,                     nullptr,                             42},
    {"Label16",       K::Label,        "hitPict(3)","Time",                  120,  1620, 420,  195,  tahoma825b,   "#404040", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             38},
    {"Label18",       K::Label,        "hitPict(3)","Select a task",         120,  60,   1095, 195,  tahoma825b,   "#404040", nullptr,   nullptr,   AutoSize | Transparent,       nullptr,                             36},
    {"Shape1(4)",     K::Shape,        "hitPict(3)","",                      0,    0,    6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},
    {"Shape1(5)",     K::Shape,        "hitPict(3)","",                      0,    1560, 6255, 315,  none,         nullptr,   "#F7F7F7", "#EAF5FF", 0,                            nullptr,                             -1},
};

constexpr TimerSpec timerTable[] = {
    // A coarse timer may fire late by some milliseconds, on Windows by up to
    // a twentieth of a long interval: the click rhythm needs its grid, the
    // slides and the icon their frames, and the countdown its minutes, whose
    // delays would add up over hours. F9's polling needs none of it.
    {"tmrMain",   "hitPict(2)", 100,   false, true},
    {"tmrHotkey", "hitPict(2)", 100,   true,  false},
    {"Timer1",    "picNew",     16,    false, true},
    {"Timer4",    "picNew",     20,    false, true},
    {"Timer5",    "picNew",     20,    false, true},
    {"Timer6",    "picNew",     20,    false, true},
    {"Timer2",    "hitPict(3)", 60000, false, true},
};
// clang-format on

} // namespace

std::span<const Control> controls() { return table; }
std::span<const TimerSpec> timers() { return timerTable; }
Table windowTable() { return {"frmMain", table, timerTable}; }

} // namespace app::layout
