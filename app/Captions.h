// The control deck's captions in Arabic and English: the caption table, the fixed button pairs and
// the language that a choice of the language group stands for.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

namespace quillon {

enum class TLanguage : std::uint8_t { Arabic, English };

// Index 0 of the language group is Arabic; 1, no selection (-1) and anything else is English.
TLanguage LanguageOfIndex(int selectedIndex);

// Text from the UTF-8 bytes that captions, settings, designs and the engine's messages hold.
inline QString FromUtf8(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// One control's caption in both languages, UTF-8.
struct CaptionPair {
    std::string_view Control;
    std::string_view Arabic;
    std::string_view English;
};

// VList, the hidden caption table: element i is row i + 1. The Arabic caption is an entry's key,
// the English caption its value, kept exactly (row 1 ends in a space; its "&" marks the
// accelerator).
inline constexpr std::array<CaptionPair, 10> VList{{
    {.Control = "StChk", .Arabic = "تمدد الطباعة", .English = "Print &Stretch "}, // 1 print stretch
    {.Control = "lb2", .Arabic = "الترميز", .English = "Code"},                   // 2 code field
    {.Control = "UChk", .Arabic = "تعليق علوي", .English = "Up Label"},           // 3 upper caption
    {.Control = "lb4", .Arabic = "الأعمدة", .English = "Columns"},                // 4 columns
    {.Control = "lb5", .Arabic = "الصفوف", .English = "Rows"},                    // 5 rows
    {.Control = "lb6", .Arabic = "النوع", .English = "Kind"},                     // 6 symbology
    {.Control = "lb7", .Arabic = "اللون", .English = "Color"},                    // 7 bar colour
    {.Control = "lb8", .Arabic = "تكبير", .English = "Zoom"},                     // 8 module width
    {.Control = "lb9", .Arabic = "عرض العمود", .English = "Bar Width"},           // 9 ratio
    {.Control = "DChk", .Arabic = "تعليق سفلي", .English = "Down Label"},         // 10 lower caption
}};

// The print-true controls' captions, switched with the others: the layout switch, the check digit
// switch and the X-dimension's caption, which stands in for the zoom's in the standard layout.
inline constexpr std::array<CaptionPair, 3> PrintTrueCaptions{{
    {.Control = "LayoutChk", .Arabic = "قياسي", .English = "Standard"},             // standard layout
    {.Control = "CheckDigitChk", .Arabic = "رقم التحقق", .English = "Check digit"}, // Checksum
    {.Control = "lbX", .Arabic = "البعد X مم", .English = "X mm"},                  // X-dimension
}};

// The sheet's captions: the start position above the label, and the design panel's stock, paper
// and calibration.
inline constexpr std::array<CaptionPair, 6> SheetCaptions{{
    {.Control = "lbStart", .Arabic = "ابدأ من الملصق", .English = "Start at label"},
    {.Control = "lbStock", .Arabic = "ورق الملصقات", .English = "Label stock"},
    {.Control = "lbPaper", .Arabic = "الورق", .English = "Paper"},
    {.Control = "CalibrationBtn", .Arabic = "المعايرة...", .English = "Calibration..."},
    {.Control = "lbPlacing", .Arabic = "الموضع", .English = "Placing"},
    {.Control = "lbOrder", .Arabic = "ترتيب التعبئة", .English = "Fill order"},
}};
// The orders the cells fill in, in the order list's order: across the rows, down the columns.
inline constexpr std::array<CaptionPair, 2> OrderCaptions{{
    {.Control = "OrderBox", .Arabic = "عبر الصفوف", .English = "Across rows"},
    {.Control = "OrderBox", .Arabic = "نزولًا في الأعمدة", .English = "Down columns"},
}};
// The placings of a label on a stock's label, in the align list's order: centred, top-left.
inline constexpr std::array<CaptionPair, 2> AlignCaptions{{
    {.Control = "AlignBox", .Arabic = "في الوسط", .English = "Centred"},
    {.Control = "AlignBox", .Arabic = "أعلى اليسار", .English = "Top-left"},
}};
// The symbol kinds' option captions, switched with the others; each shows in the bar width's place.
inline constexpr std::array<CaptionPair, 3> SymbolCaptions{{
    {.Control = "lbEcc", .Arabic = "تصحيح الخطأ", .English = "ECC"}, // QR Code
    {.Control = "lbShape", .Arabic = "الشكل", .English = "Shape"},   // Data Matrix
    {.Control = "lbColumns417",
     .Arabic = "أعمدة الرمز",
     .English = "Symbol columns"}, // PDF417: not the sheet's columns
}};
// The entries of the option lists that are words: Data Matrix's shapes in TDataMatrixShape order, and
// the PDF417 columns left to the encoder. QR Code's levels keep their letters in both languages.
inline constexpr std::array<CaptionPair, 2> DataMatrixShapeCaptions{{
    {.Control = "ShapeBox", .Arabic = "مربع", .English = "Square"},
    {.Control = "ShapeBox", .Arabic = "مستطيل", .English = "Rect"},
}};
inline constexpr CaptionPair AutoColumnsCaptions{
    .Control = "ColumnsSpn", .Arabic = "تلقائي", .English = "Auto"};

// The label source's captions beside the preview, switched with the others: the list's Open button and
// the serial run's fields.
inline constexpr std::array<CaptionPair, 9> SourceCaptions{{
    {.Control = "OpenBtn", .Arabic = "فتح...", .English = "Open..."},
    {.Control = "ColumnsBtn", .Arabic = "الأعمدة...", .English = "Columns..."},
    {.Control = "ExportBtn", .Arabic = "تصدير...", .English = "Export..."},
    {.Control = "lbSerialStart", .Arabic = "البداية", .English = "Start"},
    {.Control = "lbSerialStep", .Arabic = "الخطوة", .English = "Step"},
    {.Control = "lbSerialCount", .Arabic = "العدد", .English = "Count"},
    {.Control = "lbSerialWidth", .Arabic = "الخانات", .English = "Digits"},
    {.Control = "lbSerialPrefix", .Arabic = "البادئة", .English = "Prefix"},
    {.Control = "lbSerialSuffix", .Arabic = "اللاحقة", .English = "Suffix"},
}};
// The source list's entries, in TLabelSource order.
inline constexpr std::array<CaptionPair, 3> SourceEntryCaptions{{
    {.Control = "SourceBox", .Arabic = "ملصق واحد", .English = "One label"},
    {.Control = "SourceBox", .Arabic = "قائمة", .English = "List"},
    {.Control = "SourceBox", .Arabic = "تسلسل", .English = "Serial"},
}};

// The stock list's first entry: a sheet laid out by its margins.
inline constexpr CaptionPair CustomStockCaptions{
    .Control = "StockBox", .Arabic = "مخصص", .English = "Custom"};

// Said when an X-dimension below the kind's least was raised to it; %1 the value now used.
inline constexpr CaptionPair XDimRaisedCaptions{.Control = "XDimSpn",
                                                .Arabic = "رُفع إلى %1 مم، أقل ما يطبعه هذا النوع",
                                                .English = "Raised to %1 mm, the least this kind prints"};

// A second window on a data folder: its question, its two answers and the mark it then wears.
inline constexpr CaptionPair SecondWindowQuestion{
    .Control = "",
    .Arabic = "كويلون يعمل بالفعل بمجلد البيانات هذا: %1\n\n"
              "يمكن لهذه النافذة أن تستمر للقراءة فقط، فلا تحفظ شيئًا في ذلك المجلد، أو أن تُغلق.",
    .English = "Quillon is already running with this data folder: %1\n\nThis window can go on read-only, "
               "saving nothing in that folder, or quit."};
inline constexpr CaptionPair GoOnReadOnlyCaptions{
    .Control = "", .Arabic = "استمر للقراءة فقط", .English = "Go on read-only"};
inline constexpr CaptionPair QuitCaptions{.Control = "", .Arabic = "إنهاء", .English = "Quit"};
inline constexpr CaptionPair ReadOnlyMarkCaptions{
    .Control = "ReadOnlyMark", .Arabic = "للقراءة فقط", .English = "Read-only"};

// The label design's menu: the File button above the label and its entries, in TDocumentCommand order.
inline constexpr CaptionPair FileBtnCaptions{.Control = "FileBtn", .Arabic = "ملف", .English = "File"};
enum class TDocumentCommand : std::uint8_t { Open, Save, SaveAs, Recent, Undo, Redo, NoRecent };
inline constexpr std::array<CaptionPair, 7> DocumentCommandCaptions{{
    {.Control = "FileBtn", .Arabic = "فتح تصميم...", .English = "Open design..."},
    {.Control = "FileBtn", .Arabic = "حفظ التصميم", .English = "Save design"},
    {.Control = "FileBtn", .Arabic = "حفظ التصميم باسم...", .English = "Save design as..."},
    {.Control = "FileBtn", .Arabic = "التصاميم الأخيرة", .English = "Recent designs"},
    {.Control = "FileBtn", .Arabic = "تراجع", .English = "Undo"},
    {.Control = "FileBtn", .Arabic = "إعادة", .English = "Redo"},
    {.Control = "FileBtn", .Arabic = "لا تصاميم بعد", .English = "None yet"},
}};

// The window's sentences about label designs, in TDesignPhrase order; %1, %2 ... are filled in order. A
// refusal reads "FILE:LINE: reason", as quillon-cli says it.
enum class TDesignPhrase : std::uint8_t {
    Refused,      // %1 file, %2 line, %3 reason: nothing changed
    CannotOpen,   // %1 file, %2 why
    CannotSave,   // %1 file, %2 why
    Empty,        // the TDesignFault reasons, in that order
    NotADesign,   // %1 the first line it should have
    LaterFormat,  // %1 the first line, %2 the one this build reads
    NotASetting,  //
    Section,      //
    UnknownKey,   // %1 key
    SecondValue,  // %1 key, %2 its first line
    BadValue,     // %1 key, %2 what it takes, %3 the value
    UnknownKind,  // %1 file, %2 line, %3 the kind named, %4 the default
    UnknownStock, // %1 file, %2 line, %3 the stock named
    kDesignPhraseCount
};
inline constexpr std::array<CaptionPair, 13> DesignPhrases{{
    {.Control = "Refused",
     .Arabic = "%1:%2: %3\n\nلم يُفتح التصميم ولم يتغير شيء.",
     .English = "%1:%2: %3\n\nThe design is not opened; nothing has changed."},
    {.Control = "CannotOpen",
     .Arabic = "تعذر فتح التصميم %1: %2",
     .English = "Cannot open the design %1: %2"},
    {.Control = "CannotSave",
     .Arabic = "تعذر حفظ التصميم %1: %2\n\nبقي الملف السابق كما كان.",
     .English = "Cannot save the design %1: %2\n\nThe file that was there is left as it was."},
    {.Control = "Empty", .Arabic = "الملف فارغ، وليس تصميم ملصق", .English = "empty, not a label design"},
    {.Control = "NotADesign",
     .Arabic = "ليس تصميم ملصق: يجب أن يكون السطر الأول \"%1\"",
     .English = "not a label design: the first line should read \"%1\""},
    {.Control = "LaterFormat",
     .Arabic = "\"%1\" صيغة أحدث مما يقرؤه كويلون هذا (%2)",
     .English = "\"%1\" is a later format than this Quillon reads (%2)"},
    {.Control = "NotASetting",
     .Arabic = "ليس إعدادًا: يُكتب السطر \"key = value\"",
     .English = "not a setting: a line reads \"key = value\""},
    {.Control = "Section",
     .Arabic = "قسم: لا أقسام في تصميم الملصق",
     .English = "a section: a label design has none"},
    {.Control = "UnknownKey", .Arabic = "لا إعداد باسم %1", .English = "no setting is called %1"},
    {.Control = "SecondValue",
     .Arabic = "%1 مذكور مرة ثانية (أول مرة في السطر %2)",
     .English = "%1 is set a second time (first on line %2)"},
    {.Control = "BadValue", .Arabic = "%1 يأخذ %2، لا '%3'", .English = "%1 takes %2, not '%3'"},
    {.Control = "UnknownKind",
     .Arabic = "%1:%2: النوع %3 ليس مما يصنعه هذا الإصدار: فُتح بالنوع %4 مكانه",
     .English = "%1:%2: kind %3 is not one this build makes: opened with %4 instead"},
    {.Control = "UnknownStock",
     .Arabic = "%1:%2: ورق الملصقات %3 غير معروف لهذا الإصدار: فُتح بورقة مخصصة بهوامشها",
     .English = "%1:%2: label stock %3 is not one this build knows: opened as a custom sheet laid out by its "
                "margins"},
}};
static_assert(DesignPhrases.size() == static_cast<std::size_t>(TDesignPhrase::kDesignPhraseCount));

// The two button captions that are held as fixed pairs rather than in the table.
inline constexpr CaptionPair DesBtnCaptions{.Control = "DesBtn", .Arabic = "تصميم", .English = "Design"};
inline constexpr CaptionPair AboutBtnCaptions{.Control = "AboutBtn", .Arabic = "حول", .English = "About"};

QString CaptionText(const CaptionPair& pair, TLanguage language);

struct ControlCaption {
    std::string_view Control;
    QString Text;
};

inline constexpr std::size_t SwitchedCaptionCount = 2 + VList.size();

// The twelve captions of a language in the order the language switch sets them: DesBtn,
// AboutBtn, then the controls of rows 1 to 10.
std::array<ControlCaption, SwitchedCaptionCount> CaptionsFor(TLanguage language);

// The tooltips of the deck's and the design panel's controls, switched with the captions. The exit
// button and the blink slider keep their designed hints, which carry both languages.
inline constexpr std::array<CaptionPair, 40> ToolTips{{
    {.Control = "FileBtn",
     .Arabic = "فتح تصميم الملصق (Ctrl+O) وحفظه (Ctrl+S)، والتراجع (Ctrl+Z) والإعادة (Ctrl+Y)",
     .English = "Open (Ctrl+O) and save (Ctrl+S) the label design; undo (Ctrl+Z) and redo (Ctrl+Y)"},
    {.Control = "SpeedButton1",
     .Arabic = "اطبع ورقة من هذا الملصق (Ctrl+P)",
     .English = "Print a sheet of this label (Ctrl+P)"},
    {.Control = "StChk",
     .Arabic = "مدّ كل ملصق ليملأ خانته في الورقة",
     .English = "Stretch each label to fill its cell"},
    {.Control = "LangArabic", .Arabic = "اعرض العناوين بالعربية", .English = "Show the captions in Arabic"},
    {.Control = "LangEnglish",
     .Arabic = "اعرض العناوين بالإنجليزية",
     .English = "Show the captions in English"},
    {.Control = "UChk",
     .Arabic = "اطبع التعليق العلوي فوق الأعمدة",
     .English = "Print the upper caption over the bars"},
    {.Control = "UEd", .Arabic = "نص التعليق العلوي", .English = "The upper caption's text"},
    {.Control = "DChk",
     .Arabic = "اطبع التعليق السفلي تحت الأعمدة",
     .English = "Print the lower caption under the bars"},
    {.Control = "DEd", .Arabic = "نص التعليق السفلي", .English = "The lower caption's text"},
    {.Control = "BarEd", .Arabic = "الرمز المراد ترميزه", .English = "The code to encode"},
    {.Control = "CSpn",
     .Arabic = "أعمدة الملصقات في الورقة (1 إلى 4)",
     .English = "Label columns on the sheet (1 to 4)"},
    {.Control = "RSpn",
     .Arabic = "صفوف الملصقات في الورقة (1 إلى 20)، وهي تحدد ارتفاع الأعمدة",
     .English = "Label rows on the sheet (1 to 20); they set the bar height"},
    {.Control = "BarKindSp", .Arabic = "نوع الباركود", .English = "The kind of barcode"},
    {.Control = "ColorBox1", .Arabic = "لون الأعمدة", .English = "The colour of the bars"},
    {.Control = "ZomSpn",
     .Arabic = "التكبير: عرض العمود الرفيع بالبكسل (1 إلى 10)",
     .English = "Zoom: the narrow bar's width in pixels (1 to 10)"},
    {.Control = "RatioSpn",
     .Arabic = "عرض العمود: كم مرة يزيد عرض العمود العريض على الرفيع (0 إلى 10)",
     .English = "Bar width: how many times wider a wide bar is than a narrow one (0 to 10)"},
    {.Control = "DesBtn",
     .Arabic = "اضبط هوامش الورقة والمسافة بين الأعمدة",
     .English = "Set the sheet's margins and column spacing"},
    {.Control = "AboutBtn", .Arabic = "حول كويلون", .English = "About Quillon"},
    {.Control = "TM", .Arabic = "الهامش العلوي بالمليمتر", .English = "Top margin in millimetres"},
    {.Control = "LM", .Arabic = "الهامش الأيسر بالمليمتر", .English = "Left margin in millimetres"},
    {.Control = "CS",
     .Arabic = "المسافة بين أعمدة الملصقات بالمليمتر",
     .English = "Space between label columns in millimetres"},
    {.Control = "RM", .Arabic = "الهامش الأيمن بالمليمتر", .English = "Right margin in millimetres"},
    {.Control = "BM", .Arabic = "الهامش السفلي بالمليمتر", .English = "Bottom margin in millimetres"},
    {.Control = "BitBtn1",
     .Arabic = "طبّق هذه الهوامش على الورقة",
     .English = "Apply these margins to the sheet"},
    {.Control = "BitBtn3",
     .Arabic = "أبقِ الورقة كما كانت (Escape)",
     .English = "Keep the sheet as it was (Escape)"},
    {.Control = "AboutOk",
     .Arabic = "عودة إلى الملصقات (Return أو Escape)",
     .English = "Back to the labels (Return or Escape)"},
    {.Control = "LayoutChk",
     .Arabic =
         "التخطيط القياسي: الباركود بمقاسه المنشور بالمليمتر مع مناطقه الهادئة، مطبوعًا على نقاط الطابعة "
         "كاملة",
     .English = "Standard layout: the barcode at its published size in millimetres with its quiet zones, on "
                "whole printer dots"},
    {.Control = "CheckDigitChk",
     .Arabic = "احسب رقم التحقق لهذا النوع وأضِفه إلى الرمز",
     .English = "Work out the kind's check digit and add it to the code"},
    {.Control = "XDimSpn",
     .Arabic = "البعد X: عرض العمود الرفيع بالمليمتر، في المدى الذي يسمح به النوع",
     .English = "X-dimension: the narrow bar's width in millimetres, in the range the kind allows"},
    {.Control = "EccBox",
     .Arabic = "تصحيح الخطأ في رمز QR: كم يُستعاد منه إن تلف (L نحو 7٪، M نحو 15٪، Q نحو 25٪، H نحو 30٪)",
     .English = "QR Code error correction: how much of it can be restored when damaged (L about 7%, M about "
                "15%, Q about 25%, H about 30%)"},
    {.Control = "ShapeBox",
     .Arabic = "شكل رمز Data Matrix: مربع، أو مستطيل لشريط ضيق",
     .English = "The Data Matrix symbol's shape: square, or rectangular for a narrow strip"},
    {.Control = "ColumnsSpn",
     .Arabic = "أعمدة بيانات PDF417 (من 1 إلى 30)، أو «تلقائي» ليختارها المرمّز",
     .English = "PDF417 data columns (1 to 30), or Auto to let the encoder choose"},
    {.Control = "StartSpn",
     .Arabic = "ابدأ الطباعة من هذا الملصق في الورقة الأولى لإكمال ورقة مستعملة جزئيًا (من 1 إلى عدد "
               "ملصقات الورقة)",
     .English = "Start printing at this label of the first sheet, to use up a partly used sheet (1 to the "
                "labels on a sheet)"},
    {.Control = "StockBox",
     .Arabic = "ورق الملصقات الذي تطبع عليه: «مخصص» يوزّع الخانات بحسب الهوامش والمسافة بين الأعمدة، "
               "وغيره يضع كل ملصق في موضعه على الورقة تمامًا",
     .English = "The label sheet you print on: Custom lays the cells out by the margins and column spacing, "
                "a stock puts each label exactly where it lies on the sheet"},
    {.Control = "PaperBox",
     .Arabic = "ورق الصفحة المخصصة؛ ولورق الملصقات مقاسه الخاص",
     .English = "The paper of a custom sheet; a label stock has its own"},
    {.Control = "OrderBox",
     .Arabic = "ترتيب ملء الخانات، ومنه الخانات التي يتركها «ابدأ من الملصق» فارغة: عبر الصفوف من اليسار "
               "إلى اليمين ومن الأعلى إلى الأسفل، أو نزولًا في الأعمدة",
     .English = "The order the cells fill in, and so the cells \"Start at label\" leaves empty: across the "
                "rows, left to right and top to bottom, or down the columns"},
    {.Control = "AlignBox",
     .Arabic = "موضع الملصق على كل ملصق من ورق الملصقات: في الوسط، أو في أعلى اليسار بعد الهامش",
     .English =
         "Where the label sits on each label of the stock: centred, or at the top-left past the inset"},
    {.Control = "InsetSpin",
     .Arabic = "الهامش الآمن بالمليمتر بين حافة القطع والمنطقة الهادئة للرمز، لكي لا يخرج الرمز عن الملصق "
               "إذا انزاحت الطباعة",
     .English = "The safety margin in millimetres between the cut and the code's quiet zone, so that a "
                "printer's misregistration keeps the code on the label"},
    {.Control = "CalibrationBtn",
     .Arabic = "صحّح موضع الطباعة وحجمها لكل طابعة، واطبع صفحة المعايرة لقياسهما",
     .English = "Correct where and how large each printer prints, and print the calibration page to "
                "measure it"},
    {.Control = "PreviewScale",
     .Arabic = "الملصق أكبر من منطقة المعاينة فصُغّر ليظهر كله",
     .English = "The label is larger than the preview area and is shown smaller, whole"},
}};

// The label source's tooltips, switched with the others.
inline constexpr std::array<CaptionPair, 14> SourceToolTips{{
    {.Control = "SourceBox",
     .Arabic = "مصدر الملصقات: خانة الرمز، أو قائمة رموز، أو تسلسل أرقام",
     .English = "Where the labels come from: the code field, a list of codes, or a serial run"},
    {.Control = "ListEd",
     .Arabic = "ملصق لكل سطر: رمز، أو CSV بالأعمدة code وupper وlower وcopies (ويمكن أن يسمّيها سطر أول)؛ "
               "والتعليقان في القائمة يحلّان محل نصّي التعليق",
     .English =
         "One label a line: a code, or CSV with the columns code, upper, lower and copies (a first row "
         "may name them); a row's captions take the caption texts' place"},
    {.Control = "OpenBtn",
     .Arabic = "افتح ملف نص أو CSV فيه رموز",
     .English = "Open a text or CSV file of codes"},
    {.Control = "SerialStartEd", .Arabic = "أول رقم في التسلسل", .English = "The run's first number"},
    {.Control = "SerialStepEd",
     .Arabic = "ما يضيفه كل رقم إلى الذي قبله",
     .English = "What each number adds to the one before"},
    {.Control = "SerialCountSpn",
     .Arabic = "كم ملصقًا يصنع التسلسل (من 1 إلى 1000000)",
     .English = "How many labels the run makes (1 to 1,000,000)"},
    {.Control = "SerialWidthSpn",
     .Arabic =
         "أقل عدد من الخانات لكل رقم، بأصفار في البداية (من 1 إلى 18)؛ ويُضاف رقم التحقق للنوع الذي له رقم "
         "تحقق",
     .English = "The least digits of each number, zeros put in front (1 to 18); kinds with a check digit get "
                "theirs added"},
    {.Control = "SerialPrefixEd", .Arabic = "نص قبل كل رقم", .English = "Text before each number"},
    {.Control = "SerialSuffixEd", .Arabic = "نص بعد كل رقم", .English = "Text after each number"},
    {.Control = "PrevRowBtn", .Arabic = "الصف السابق", .English = "The row before"},
    {.Control = "NextRowBtn", .Arabic = "الصف التالي", .English = "The next row"},
    {.Control = "ProblemList",
     .Arabic = "الصفوف التي لا يمكن طباعتها، بأرقام أسطرها: تتركها الطباعة",
     .English = "The rows that cannot be printed, by line: printing leaves them out"},
    {.Control = "ColumnsBtn",
     .Arabic = "ما يعنيه كل عمود من أعمدة قائمة CSV، ويُحفظ لكل ملف",
     .English = "What each column of a CSV list is for, kept for each file"},
    {.Control = "ExportBtn",
     .Arabic = "احفظ الصفوف المذكورة في ملف CSV: السطر والرمز والسبب",
     .English = "Save the rows listed to a CSV file: line, code and reason"},
}};

} // namespace quillon
