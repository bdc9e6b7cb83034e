<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Captions</name>
    <message>
        <source>Printer calibration</source>
        <translation>معايرة الطابعة</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message>
        <source>Offset X (mm)</source>
        <translation>الإزاحة الأفقية (مم)</translation>
    </message>
    <message>
        <source>Offset Y (mm)</source>
        <translation>الإزاحة الرأسية (مم)</translation>
    </message>
    <message>
        <source>Scale X (%)</source>
        <translation>التحجيم الأفقي (%)</translation>
    </message>
    <message>
        <source>Scale Y (%)</source>
        <translation>التحجيم الرأسي (%)</translation>
    </message>
    <message>
        <source>Print the calibration page, measure with a ruler where its crosshairs and rulers land on the paper, and type the corrections: a positive offset moves everything right or down, a positive scale makes it larger. The page prints with the corrections shown: print it with zeros to measure, and again to check.</source>
        <translation>اطبع صفحة المعايرة، وقِس بمسطرة أين تقع علامات التقاطع والمساطر على الورق، ثم اكتب التصحيحات: الإزاحة الموجبة تنقل كل شيء إلى اليمين أو إلى الأسفل، والتحجيم الموجب يكبّره. تُطبع الصفحة بالتصحيحات المعروضة، فاطبعها بالأصفار للقياس ثم مرة أخرى للتحقق.</translation>
    </message>
    <message>
        <source>No printer is installed: corrections apply to printers only. The calibration page can still be saved as a PDF file.</source>
        <translation>لا توجد طابعة مثبّتة: لا تُطبَّق التصحيحات إلا على الطابعات، ويمكن مع ذلك حفظ صفحة المعايرة ملفَّ PDF.</translation>
    </message>
    <message>
        <source>Calibration page...</source>
        <translation>صفحة المعايرة...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Print &amp;Stretch </source>
        <translation>تمدد الطباعة</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <source>Up Label</source>
        <translation>تعليق علوي</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>الصفوف</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Bar Width</source>
        <translation>عرض العمود</translation>
    </message>
    <message>
        <source>Down Label</source>
        <translation>تعليق سفلي</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>Check digit</source>
        <translation>رقم التحقق</translation>
    </message>
    <message>
        <source>X mm</source>
        <translation>البعد X مم</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>ابدأ من الملصق</translation>
    </message>
    <message>
        <source>Label stock</source>
        <translation>ورق الملصقات</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>الورق</translation>
    </message>
    <message>
        <source>Calibration...</source>
        <translation>المعايرة...</translation>
    </message>
    <message>
        <source>Placing</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Fill order</source>
        <translation>ترتيب التعبئة</translation>
    </message>
    <message>
        <source>Across rows</source>
        <translation>عبر الصفوف</translation>
    </message>
    <message>
        <source>Down columns</source>
        <translation>نزولًا في الأعمدة</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>في الوسط</translation>
    </message>
    <message>
        <source>Top-left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>ECC</source>
        <translation>تصحيح الخطأ</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>Symbol columns</source>
        <translation>أعمدة الرمز</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>مربع</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message>
        <source>Columns...</source>
        <translation>الأعمدة...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>تصدير...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>الخطوة</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>الخانات</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>البادئة</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>اللاحقة</translation>
    </message>
    <message>
        <source>One label</source>
        <translation>ملصق واحد</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>تسلسل</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Raised to %1 mm, the least this kind prints</source>
        <translation>رُفع إلى %1 مم، أقل ما يطبعه هذا النوع</translation>
    </message>
    <message>
        <source>Quillon is already running with this data folder: %1

This window can go on read-only, saving nothing in that folder, or quit.</source>
        <translation>كويلون يعمل بالفعل بمجلد البيانات هذا: %1

يمكن لهذه النافذة أن تستمر للقراءة فقط، فلا تحفظ شيئًا في ذلك المجلد، أو أن تُغلق.</translation>
    </message>
    <message>
        <source>Go on read-only</source>
        <translation>استمر للقراءة فقط</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>للقراءة فقط</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Open design...</source>
        <translation>فتح تصميم...</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>حفظ التصميم</translation>
    </message>
    <message>
        <source>Save design as...</source>
        <translation>حفظ التصميم باسم...</translation>
    </message>
    <message>
        <source>Recent designs</source>
        <translation>التصاميم الأخيرة</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>لا تصاميم بعد</translation>
    </message>
    <message>
        <source>%1:%2: %3

The design is not opened; nothing has changed.</source>
        <translation>%1:%2: %3

لم يُفتح التصميم ولم يتغير شيء.</translation>
    </message>
    <message>
        <source>Cannot open the design %1: %2</source>
        <translation>تعذر فتح التصميم %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the design %1: %2

The file that was there is left as it was.</source>
        <translation>تعذر حفظ التصميم %1: %2

بقي الملف السابق كما كان.</translation>
    </message>
    <message>
        <source>empty, not a label design</source>
        <translation>الملف فارغ، وليس تصميم ملصق</translation>
    </message>
    <message>
        <source>not a label design: the first line should read &quot;%1&quot;</source>
        <translation>ليس تصميم ملصق: يجب أن يكون السطر الأول &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a later format than this Quillon reads (%2)</source>
        <translation>&quot;%1&quot; صيغة أحدث مما يقرؤه كويلون هذا (%2)</translation>
    </message>
    <message>
        <source>not a setting: a line reads &quot;key = value&quot;</source>
        <translation>ليس إعدادًا: يُكتب السطر &quot;key = value&quot;</translation>
    </message>
    <message>
        <source>a section: a label design has none</source>
        <translation>قسم: لا أقسام في تصميم الملصق</translation>
    </message>
    <message>
        <source>no setting is called %1</source>
        <translation>لا إعداد باسم %1</translation>
    </message>
    <message>
        <source>%1 is set a second time (first on line %2)</source>
        <translation>%1 مذكور مرة ثانية (أول مرة في السطر %2)</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 يأخذ %2، لا &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1:%2: kind %3 is not one this build makes: opened with %4 instead</source>
        <translation>%1:%2: النوع %3 ليس مما يصنعه هذا الإصدار: فُتح بالنوع %4 مكانه</translation>
    </message>
    <message>
        <source>%1:%2: label stock %3 is not one this build knows: opened as a custom sheet laid out by its margins</source>
        <translation>%1:%2: ورق الملصقات %3 غير معروف لهذا الإصدار: فُتح بورقة مخصصة بهوامشها</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>تصميم</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Open (Ctrl+O) and save (Ctrl+S) the label design; undo (Ctrl+Z) and redo (Ctrl+Y)</source>
        <translation>فتح تصميم الملصق (Ctrl+O) وحفظه (Ctrl+S)، والتراجع (Ctrl+Z) والإعادة (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Print a sheet of this label (Ctrl+P)</source>
        <translation>اطبع ورقة من هذا الملصق (Ctrl+P)</translation>
    </message>
    <message>
        <source>Stretch each label to fill its cell</source>
        <translation>مدّ كل ملصق ليملأ خانته في الورقة</translation>
    </message>
    <message>
        <source>Show the captions in Arabic</source>
        <translation>اعرض العناوين بالعربية</translation>
    </message>
    <message>
        <source>Show the captions in English</source>
        <translation>اعرض العناوين بالإنجليزية</translation>
    </message>
    <message>
        <source>Print the upper caption over the bars</source>
        <translation>اطبع التعليق العلوي فوق الأعمدة</translation>
    </message>
    <message>
        <source>The upper caption&apos;s text</source>
        <translation>نص التعليق العلوي</translation>
    </message>
    <message>
        <source>Print the lower caption under the bars</source>
        <translation>اطبع التعليق السفلي تحت الأعمدة</translation>
    </message>
    <message>
        <source>The lower caption&apos;s text</source>
        <translation>نص التعليق السفلي</translation>
    </message>
    <message>
        <source>The code to encode</source>
        <translation>الرمز المراد ترميزه</translation>
    </message>
    <message>
        <source>Label columns on the sheet (1 to 4)</source>
        <translation>أعمدة الملصقات في الورقة (1 إلى 4)</translation>
    </message>
    <message>
        <source>Label rows on the sheet (1 to 20); they set the bar height</source>
        <translation>صفوف الملصقات في الورقة (1 إلى 20)، وهي تحدد ارتفاع الأعمدة</translation>
    </message>
    <message>
        <source>The kind of barcode</source>
        <translation>نوع الباركود</translation>
    </message>
    <message>
        <source>The colour of the bars</source>
        <translation>لون الأعمدة</translation>
    </message>
    <message>
        <source>Zoom: the narrow bar&apos;s width in pixels (1 to 10)</source>
        <translation>التكبير: عرض العمود الرفيع بالبكسل (1 إلى 10)</translation>
    </message>
    <message>
        <source>Bar width: how many times wider a wide bar is than a narrow one (0 to 10)</source>
        <translation>عرض العمود: كم مرة يزيد عرض العمود العريض على الرفيع (0 إلى 10)</translation>
    </message>
    <message>
        <source>Set the sheet&apos;s margins and column spacing</source>
        <translation>اضبط هوامش الورقة والمسافة بين الأعمدة</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>حول كويلون</translation>
    </message>
    <message>
        <source>Top margin in millimetres</source>
        <translation>الهامش العلوي بالمليمتر</translation>
    </message>
    <message>
        <source>Left margin in millimetres</source>
        <translation>الهامش الأيسر بالمليمتر</translation>
    </message>
    <message>
        <source>Space between label columns in millimetres</source>
        <translation>المسافة بين أعمدة الملصقات بالمليمتر</translation>
    </message>
    <message>
        <source>Right margin in millimetres</source>
        <translation>الهامش الأيمن بالمليمتر</translation>
    </message>
    <message>
        <source>Bottom margin in millimetres</source>
        <translation>الهامش السفلي بالمليمتر</translation>
    </message>
    <message>
        <source>Apply these margins to the sheet</source>
        <translation>طبّق هذه الهوامش على الورقة</translation>
    </message>
    <message>
        <source>Keep the sheet as it was (Escape)</source>
        <translation>أبقِ الورقة كما كانت (Escape)</translation>
    </message>
    <message>
        <source>Back to the labels (Return or Escape)</source>
        <translation>عودة إلى الملصقات (Return أو Escape)</translation>
    </message>
    <message>
        <source>Standard layout: the barcode at its published size in millimetres with its quiet zones, on whole printer dots</source>
        <translation>التخطيط القياسي: الباركود بمقاسه المنشور بالمليمتر مع مناطقه الهادئة، مطبوعًا على نقاط الطابعة كاملة</translation>
    </message>
    <message>
        <source>Work out the kind&apos;s check digit and add it to the code</source>
        <translation>احسب رقم التحقق لهذا النوع وأضِفه إلى الرمز</translation>
    </message>
    <message>
        <source>X-dimension: the narrow bar&apos;s width in millimetres, in the range the kind allows</source>
        <translation>البعد X: عرض العمود الرفيع بالمليمتر، في المدى الذي يسمح به النوع</translation>
    </message>
    <message>
        <source>QR Code error correction: how much of it can be restored when damaged (L about 7%, M about 15%, Q about 25%, H about 30%)</source>
        <translation>تصحيح الخطأ في رمز QR: كم يُستعاد منه إن تلف (L نحو 7٪، M نحو 15٪، Q نحو 25٪، H نحو 30٪)</translation>
    </message>
    <message>
        <source>The Data Matrix symbol&apos;s shape: square, or rectangular for a narrow strip</source>
        <translation>شكل رمز Data Matrix: مربع، أو مستطيل لشريط ضيق</translation>
    </message>
    <message>
        <source>PDF417 data columns (1 to 30), or Auto to let the encoder choose</source>
        <translation>أعمدة بيانات PDF417 (من 1 إلى 30)، أو «تلقائي» ليختارها المرمّز</translation>
    </message>
    <message>
        <source>Start printing at this label of the first sheet, to use up a partly used sheet (1 to the labels on a sheet)</source>
        <translation>ابدأ الطباعة من هذا الملصق في الورقة الأولى لإكمال ورقة مستعملة جزئيًا (من 1 إلى عدد ملصقات الورقة)</translation>
    </message>
    <message>
        <source>The label sheet you print on: Custom lays the cells out by the margins and column spacing, a stock puts each label exactly where it lies on the sheet</source>
        <translation>ورق الملصقات الذي تطبع عليه: «مخصص» يوزّع الخانات بحسب الهوامش والمسافة بين الأعمدة، وغيره يضع كل ملصق في موضعه على الورقة تمامًا</translation>
    </message>
    <message>
        <source>The paper of a custom sheet; a label stock has its own</source>
        <translation>ورق الصفحة المخصصة؛ ولورق الملصقات مقاسه الخاص</translation>
    </message>
    <message>
        <source>The order the cells fill in, and so the cells &quot;Start at label&quot; leaves empty: across the rows, left to right and top to bottom, or down the columns</source>
        <translation>ترتيب ملء الخانات، ومنه الخانات التي يتركها «ابدأ من الملصق» فارغة: عبر الصفوف من اليسار إلى اليمين ومن الأعلى إلى الأسفل، أو نزولًا في الأعمدة</translation>
    </message>
    <message>
        <source>Where the label sits on each label of the stock: centred, or at the top-left past the inset</source>
        <translation>موضع الملصق على كل ملصق من ورق الملصقات: في الوسط، أو في أعلى اليسار بعد الهامش</translation>
    </message>
    <message>
        <source>The safety margin in millimetres between the cut and the code&apos;s quiet zone, so that a printer&apos;s misregistration keeps the code on the label</source>
        <translation>الهامش الآمن بالمليمتر بين حافة القطع والمنطقة الهادئة للرمز، لكي لا يخرج الرمز عن الملصق إذا انزاحت الطباعة</translation>
    </message>
    <message>
        <source>Correct where and how large each printer prints, and print the calibration page to measure it</source>
        <translation>صحّح موضع الطباعة وحجمها لكل طابعة، واطبع صفحة المعايرة لقياسهما</translation>
    </message>
    <message>
        <source>The label is larger than the preview area and is shown smaller, whole</source>
        <translation>الملصق أكبر من منطقة المعاينة فصُغّر ليظهر كله</translation>
    </message>
    <message>
        <source>Where the labels come from: the code field, a list of codes, or a serial run</source>
        <translation>مصدر الملصقات: خانة الرمز، أو قائمة رموز، أو تسلسل أرقام</translation>
    </message>
    <message>
        <source>One label a line: a code, or CSV with the columns code, upper, lower and copies (a first row may name them); a row&apos;s captions take the caption texts&apos; place</source>
        <translation>ملصق لكل سطر: رمز، أو CSV بالأعمدة code وupper وlower وcopies (ويمكن أن يسمّيها سطر أول)؛ والتعليقان في القائمة يحلّان محل نصّي التعليق</translation>
    </message>
    <message>
        <source>Open a text or CSV file of codes</source>
        <translation>افتح ملف نص أو CSV فيه رموز</translation>
    </message>
    <message>
        <source>The run&apos;s first number</source>
        <translation>أول رقم في التسلسل</translation>
    </message>
    <message>
        <source>What each number adds to the one before</source>
        <translation>ما يضيفه كل رقم إلى الذي قبله</translation>
    </message>
    <message>
        <source>How many labels the run makes (1 to 1,000,000)</source>
        <translation>كم ملصقًا يصنع التسلسل (من 1 إلى 1000000)</translation>
    </message>
    <message>
        <source>The least digits of each number, zeros put in front (1 to 18); kinds with a check digit get theirs added</source>
        <translation>أقل عدد من الخانات لكل رقم، بأصفار في البداية (من 1 إلى 18)؛ ويُضاف رقم التحقق للنوع الذي له رقم تحقق</translation>
    </message>
    <message>
        <source>Text before each number</source>
        <translation>نص قبل كل رقم</translation>
    </message>
    <message>
        <source>Text after each number</source>
        <translation>نص بعد كل رقم</translation>
    </message>
    <message>
        <source>The row before</source>
        <translation>الصف السابق</translation>
    </message>
    <message>
        <source>The next row</source>
        <translation>الصف التالي</translation>
    </message>
    <message>
        <source>The rows that cannot be printed, by line: printing leaves them out</source>
        <translation>الصفوف التي لا يمكن طباعتها، بأرقام أسطرها: تتركها الطباعة</translation>
    </message>
    <message>
        <source>What each column of a CSV list is for, kept for each file</source>
        <translation>ما يعنيه كل عمود من أعمدة قائمة CSV، ويُحفظ لكل ملف</translation>
    </message>
    <message>
        <source>Save the rows listed to a CSV file: line, code and reason</source>
        <translation>احفظ الصفوف المذكورة في ملف CSV: السطر والرمز والسبب</translation>
    </message>
</context>
</TS>
