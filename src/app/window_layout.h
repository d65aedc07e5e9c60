#pragma once
// Where every control of the main window stands, what it says and in which
// font. Places are in twips from the top-left corner of the client area; 15
// twips make one pixel at 96 dots per inch.

namespace traverse {

constexpr int kTwipsPerPixel = 15;

// The client area the window opens with: the controls reach (13680, 8415);
// 1800 twips more to the right repeat the frame's left margin, 720 below the
// buttons leave room under them. 1032 x 609 pixels.
constexpr int kOpeningWidthTwips = 15480;
constexpr int kOpeningHeightTwips = 9135;

enum class FontKind { Song9, Song10_5, Song12, Song15_75, Sans8_25 };

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct LabelPlace {
  const char* name;
  const char* caption;
  TwipRect place;
  FontKind font;
};

struct FieldPlace {
  const char* name;
  TwipRect place;
  // The labels that name the field: its description and, where there is one,
  // its symbol.
  const char* description_label;
  const char* symbol_label;
};

struct ButtonPlace {
  const char* name;
  const char* caption;
  TwipRect place;
};

// A line as its two end points; it is 3 pixels wide, centred on them.
struct LinePlace {
  const char* name;
  int x1;
  int y1;
  int x2;
  int y2;
};

inline constexpr LabelPlace kLabels[] = {
    // Start data, left column.
    {"Label2", "(起始数据）", {2280, 2520, 1455, 255}, FontKind::Song12},
    {"Label4", "起始点纵座标 ", {2400, 2880, 1215, 255}, FontKind::Sans8_25},
    {"Label27", "Xa", {2040, 3120, 255, 255}, FontKind::Sans8_25},
    {"Label5", "起始点横座标 ", {2400, 3480, 1215, 255}, FontKind::Sans8_25},
    {"Label28", "Ya", {2040, 3720, 255, 255}, FontKind::Sans8_25},
    {"Label6", "闭合点纵座标 ", {2400, 4080, 1215, 255}, FontKind::Sans8_25},
    {"Label29", "Xb", {2040, 4320, 255, 255}, FontKind::Sans8_25},
    {"Label7", "闭合点横座标", {2400, 4680, 1215, 255}, FontKind::Sans8_25},
    {"Label30", "Yb", {2040, 4920, 255, 255}, FontKind::Sans8_25},
    {"Label8", "位于起始点处      外方位角 ", {2400, 5280, 1215, 375}, FontKind::Sans8_25},
    {"Label31", "Ta", {2040, 5760, 255, 255}, FontKind::Sans8_25},
    {"Label9", "位于闭合点处      外方位角 ", {2400, 6120, 1215, 375}, FontKind::Sans8_25},
    {"Label32", "Tb", {2040, 6600, 255, 255}, FontKind::Sans8_25},
    // Title and point count.
    {"Label1", "附 合 导 线 平 差", {6120, 2760, 3015, 375}, FontKind::Song15_75},
    {"Label3", "导线点个数说明", {6840, 3240, 1455, 255}, FontKind::Song9},
    // Precision statistics.
    {"Label22", "( 精 度 统 计 )", {6600, 4200, 2055, 255}, FontKind::Song12},
    {"Label17", "方位角闭合差 ", {4560, 5160, 1215, 255}, FontKind::Song9},
    {"Label33", "fb", {4320, 5400, 255, 255}, FontKind::Sans8_25},
    {"Label23", "   纵座标闭合差    （未经过角度配赋） ", {5760, 4680, 1815, 375}, FontKind::Song9},
    {"Label34", "Fx", {5880, 5040, 255, 255}, FontKind::Sans8_25},
    {"Label24", "   横座标闭合差   （未经过角度配赋） ", {5760, 5400, 1815, 375}, FontKind::Song9},
    {"Label35", "Fy", {5880, 5760, 255, 255}, FontKind::Sans8_25},
    {"Label18", "  纵座标闭合差  （经过角度配赋） ", {7560, 4680, 1575, 375}, FontKind::Song9},
    {"Label36", "Fx", {7440, 5040, 255, 255}, FontKind::Sans8_25},
    {"Label19", "  横座标闭合差  （经过角度配赋） ", {7560, 5400, 1575, 375}, FontKind::Song9},
    {"Label37", "Fy", {7440, 5760, 255, 255}, FontKind::Sans8_25},
    {"Label20", "导线全长", {9480, 4800, 855, 255}, FontKind::Song9},
    {"Label38", " [ S ]", {8880, 5040, 495, 255}, FontKind::Sans8_25},
    {"Label21", "导线相对闭合差            1/M", {9240, 5520, 1455, 255}, FontKind::Song9},
    {"Label39", "1/m", {9000, 5760, 375, 255}, FontKind::Sans8_25},
    // Results.
    {"Label13", "(计 算 结 果）", {6600, 6480, 1815, 255}, FontKind::Song12},
    {"Label42", "点名提示", {4800, 6840, 855, 255}, FontKind::Song9},
    {"Label14", " 点  名", {6480, 6840, 735, 255}, FontKind::Song9},
    {"Label15", "纵 座 标", {8040, 6840, 855, 255}, FontKind::Song9},
    {"Label40", "Xp", {7560, 7080, 255, 255}, FontKind::Sans8_25},
    {"Label16", " 横 座 标 ", {9600, 6840, 975, 255}, FontKind::Song9},
    {"Label41", "Yp", {9240, 7080, 255, 255}, FontKind::Sans8_25},
    // Observed data, right column.
    {"Label10", "（观测数据)", {11520, 3240, 1455, 255}, FontKind::Song12},
    {"Label11", "提示输入角度", {11760, 3720, 1215, 255}, FontKind::Song9},
    {"Label25", "导线转角", {12000, 4320, 855, 255}, FontKind::Song9},
    {"Label12", "提示输入边长", {11760, 5160, 1215, 255}, FontKind::Song9},
    {"Label26", "观测边长", {12000, 5760, 855, 255}, FontKind::Song9},
};

// Indexed by field number - 1. Text1 is in Song 10.5 pt, every other field in
// Song 9 pt.
inline constexpr FieldPlace kFields[] = {
    {"Text1", {5880, 3480, 3375, 315}, "Label3", nullptr},
    {"Text2", {2280, 3120, 1335, 270}, "Label4", "Label27"},
    {"Text3", {2280, 3720, 1335, 270}, "Label5", "Label28"},
    {"Text4", {2280, 4320, 1335, 270}, "Label6", "Label29"},
    {"Text5", {2280, 4920, 1335, 270}, "Label7", "Label30"},
    {"Text6", {2280, 5760, 1335, 270}, "Label8", "Label31"},
    {"Text7", {2280, 6600, 1335, 270}, "Label9", "Label32"},
    {"Text8", {11640, 4560, 1455, 270}, "Label25", nullptr},
    {"Text9", {11640, 6000, 1455, 270}, "Label26", nullptr},
    {"Text10", {6240, 7080, 1215, 270}, "Label14", nullptr},
    {"Text11", {7800, 7080, 1335, 270}, "Label15", "Label40"},
    {"Text12", {9480, 7080, 1335, 270}, "Label16", "Label41"},
    {"Text13", {4560, 5400, 1095, 270}, "Label17", "Label33"},
    {"Text14", {7680, 5040, 1215, 270}, "Label18", "Label36"},
    {"Text15", {7680, 5760, 1215, 270}, "Label19", "Label37"},
    {"Text16", {9360, 5040, 1335, 270}, "Label20", "Label38"},
    {"Text17", {9360, 5760, 1335, 270}, "Label21", "Label39"},
    {"Text18", {6120, 5040, 1215, 270}, "Label23", "Label34"},
    {"Text19", {6120, 5760, 1215, 270}, "Label24", "Label35"},
    {"Text20", {11160, 3960, 2415, 285}, "Label11", nullptr},
    {"Text21", {11400, 5400, 1935, 285}, "Label12", nullptr},
    {"Text22", {4200, 7080, 2055, 285}, "Label42", nullptr},
};

inline constexpr ButtonPlace kComputeButton = {"Command1", "平差计算", {6600, 7920, 975, 495}};
inline constexpr ButtonPlace kStopButton = {"Command2", "终止计算", {8040, 7920, 975, 495}};

inline constexpr LinePlace kLines[] = {
    {"Line11", 1800, 2280, 13680, 2280}, {"Line14", 1800, 7560, 13680, 7560},
    {"Line10", 1800, 2280, 1800, 7560},  {"Line4", 13680, 2280, 13680, 7560},
    {"Line15", 3960, 2280, 3960, 5880},  {"Line2", 3960, 5880, 3960, 7560},
    {"Line3", 11040, 2280, 11040, 7560}, {"Line1", 3960, 3960, 11040, 3960},
    {"Line5", 3960, 6240, 11040, 6240},
};

// The controls that take the keyboard focus, in the order Tab visits them.
inline constexpr const char* kTabOrder[] = {
    "Text1",  "Text2",  "Text3",  "Text4",    "Text5",    "Text6",  "Text7",
    "Text8",  "Text9",  "Text13", "Text14",   "Text15",   "Text16", "Text17",
    "Command1", "Command2", "Text18", "Text19", "Text10", "Text11", "Text12",
    "Text20", "Text21", "Text22",
};

}  // namespace traverse
