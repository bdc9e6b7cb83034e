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
    <message>
        <source>Print anyway</source>
        <translation>اطبع على أي حال</translation>
    </message>
    <message>
        <source>%1

Close anyway?</source>
        <translation>%1

أتُغلق على أي حال؟</translation>
    </message>
    <message>
        <source>Show the captions in Arabic; a right click offers every language</source>
        <translation>إظهار العناوين بالعربية؛ النقر بالزر الأيمن يعرض كل اللغات</translation>
    </message>
    <message>
        <source>Show the captions in English; a right click offers every language</source>
        <translation>إظهار العناوين بالإنجليزية؛ النقر بالزر الأيمن يعرض كل اللغات</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>هامش علوي</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>هامش أيسر</translation>
    </message>
    <message>
        <source>Column Space</source>
        <translation>بين الأعمدة</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>هامش أيمن</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>هامش سفلي</translation>
    </message>
    <message>
        <source>Maker&apos;s mark</source>
        <translation>علامة الصانع</translation>
    </message>
    <message>
        <source>Sheet footer</source>
        <translation>تذييل الورقة</translation>
    </message>
    <message>
        <source>No copying</source>
        <translation>ممنوع النسخ</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>كستنائي</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>زيتوني</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>كحلي</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضر</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>فضي</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ليموني</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>فوشيا</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>أخضر باهت</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>أزرق سماوي</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>كريمي</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>رمادي متوسط</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>شريط التمرير</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>عنوان نشط</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>عنوان غير نشط</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>إطار النافذة</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>نص القائمة</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>نص النافذة</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>نص العنوان</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>حد نشط</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>حد غير نشط</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>مساحة عمل التطبيق</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>التمييز</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>نص مميز</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>وجه الزر</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>ظل الزر</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>نص رمادي</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>نص الزر</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>نص عنوان غير نشط</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>إضاءة الزر</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>ظل ثلاثي الأبعاد داكن</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>إضاءة ثلاثية الأبعاد</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>نص التلميح</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>خلفية التلميح</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>ارتباط نشط</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>تدرج عنوان نشط</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>تدرج عنوان غير نشط</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>تمييز القائمة</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>شريط القوائم</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>مخصص...</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1 takes digits only</source>
        <translation>يقبل %1 الأرقام فقط</translation>
    </message>
    <message>
        <source>Code 39 Extended takes ASCII characters only (no accented letters or other scripts)</source>
        <translation>يقبل Code 39 Extended محارف ASCII فقط (لا حروف مشكّلة ولا حروف لغات أخرى)</translation>
    </message>
    <message>
        <source>Code 39 takes capitals, digits, space and - . $ / + % only; * is its start and stop</source>
        <translation>يقبل Code 39 الحروف الكبيرة والأرقام والمسافة و- . $ / + % فقط؛ و* للبداية والنهاية</translation>
    </message>
    <message>
        <source>Code 93 Extended takes ASCII characters only (no accented letters or other scripts)</source>
        <translation>يقبل Code 93 Extended محارف ASCII فقط (لا حروف مشكّلة ولا حروف لغات أخرى)</translation>
    </message>
    <message>
        <source>Code 93 takes capitals, digits, space and - . $ / + % only</source>
        <translation>يقبل Code 93 الحروف الكبيرة والأرقام والمسافة و- . $ / + % فقط</translation>
    </message>
    <message>
        <source>%1 takes printable ASCII characters only (letters, digits, space and punctuation)</source>
        <translation>يقبل %1 محارف ASCII المطبوعة فقط (حروف وأرقام ومسافة وعلامات ترقيم)</translation>
    </message>
    <message>
        <source>Codabar takes digits and - $ : / . + only; its start and stop letters are added for you</source>
        <translation>يقبل Codabar الأرقام و- $ : / . + فقط؛ وتُضاف حروف البداية والنهاية تلقائيًا</translation>
    </message>
    <message>
        <source>Pick a kind from the list: the kind box names none</source>
        <translation>اختر نوعًا من القائمة: خانة النوع لا تسمّي نوعًا</translation>
    </message>
    <message>
        <source>The barcode is too wide to draw: shorten the code or lower the zoom</source>
        <translation>الباركود أعرض من أن يُرسم: قصّر الرمز أو قلّل التكبير</translation>
    </message>
    <message>
        <source>The barcode could not be drawn (an internal error)</source>
        <translation>تعذّر رسم الباركود (خطأ داخلي)</translation>
    </message>
    <message>
        <source>The label is too large to draw: lower the zoom or the code&apos;s length</source>
        <translation>الملصق أكبر من أن يُرسم: قلّل التكبير أو طول الرمز</translation>
    </message>
    <message>
        <source>The label is empty: type a code</source>
        <translation>الملصق فارغ: اكتب رمزًا</translation>
    </message>
    <message>
        <source>Not enough memory to draw the label: lower the zoom</source>
        <translation>لا تكفي الذاكرة لرسم الملصق: قلّل التكبير</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create the data directory %1</source>
        <translation>لا يمكن إنشاء مجلد البيانات %1</translation>
    </message>
    <message>
        <source>The lock file %1 is %2, not a lock of this program: this window goes on without taking the data folder, so a second window on it is not told. Remove it to mend this.</source>
        <translation>ملف القفل %1 هو %2، وليس قفلًا لهذا البرنامج: تستمر هذه النافذة دون أن تحجز مجلد البيانات، فلا تُنبَّه نافذة ثانية تعمل عليه. احذفه لإصلاح ذلك.</translation>
    </message>
    <message>
        <source>%1

The options file is left as it is, and the settings of this session are not saved in it.</source>
        <translation>%1

يُترك ملف الخيارات كما هو، ولا تُحفظ فيه إعدادات هذه الجلسة.</translation>
    </message>
    <message>
        <source>%1
It could not be kept: %2</source>
        <translation>%1
تعذّر الاحتفاظ به: %2</translation>
    </message>
    <message>
        <source>%1

The file is kept as %2; what could not be read takes the designed values, and the options file is written anew.</source>
        <translation>%1

احتُفظ بالملف باسم %2؛ وما تعذّرت قراءته يأخذ القيم المصمَّمة، ويُكتب ملف الخيارات من جديد.</translation>
    </message>
    <message>
        <source>%1

The settings file is left as it is, and the settings of this session are not saved in it.</source>
        <translation>%1

يُترك ملف الإعدادات كما هو، ولا تُحفظ فيه إعدادات هذه الجلسة.</translation>
    </message>
    <message>
        <source>The settings file %1 holds what cannot be read:
%2</source>
        <translation>في ملف الإعدادات %1 ما لا تمكن قراءته:
%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a colour (#RRGGBB or system:N)</source>
        <translation>%1: القيمة %2 ليست لونًا (#RRGGBB أو system:N)</translation>
    </message>
    <message>
        <source>%1: %2 is neither %3 nor %4</source>
        <translation>%1: القيمة %2 ليست %3 ولا %4</translation>
    </message>
    <message>
        <source>%1: %2 is none of %3</source>
        <translation>%1: القيمة %2 ليست واحدة من %3</translation>
    </message>
    <message>
        <source>%1: %2 is not %3 to %4 mm</source>
        <translation>%1: القيمة %2 ليست من %3 إلى %4 مم</translation>
    </message>
    <message>
        <source>%1: %2 is not a size in millimetres</source>
        <translation>%1: القيمة %2 ليست مقاسًا بالمليمتر</translation>
    </message>
    <message>
        <source>%1: %2 is not 0 (automatic) to %3</source>
        <translation>%1: القيمة %2 ليست من 0 (تلقائي) إلى %3</translation>
    </message>
    <message>
        <source>%1

It could not be kept (%2), so the settings file is left as it is and this session&apos;s settings are not saved in it.</source>
        <translation>%1

تعذّر الاحتفاظ به (%2)، فيُترك ملف الإعدادات كما هو ولا تُحفظ فيه إعدادات هذه الجلسة.</translation>
    </message>
    <message>
        <source>%1

The file is kept as %2; what could not be read keeps its designed value.</source>
        <translation>%1

احتُفظ بالملف باسم %2؛ وما تعذّرت قراءته يبقى على قيمته المصمَّمة.</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>تعذّر حفظ الخيارات: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>تعذّر حفظ الإعدادات: %1</translation>
    </message>
    <message>
        <source>The label stock %1 kept in %2 is neither built in nor in %3 now: the sheet is laid out by its margins (Custom) until it is found again or you choose another stock.</source>
        <translation>ورق الملصقات %1 المحفوظ في %2 لم يعد مدمجًا ولا موجودًا في %3: تُرتَّب الورقة بهوامشها (مخصص) حتى يُعثر عليه ثانية أو تختار ورقًا آخر.</translation>
    </message>
    <message>
        <source>Label stocks that could not be read are left out of the list:
%1</source>
        <translation>أوراق الملصقات التي تعذّرت قراءتها متروكة خارج القائمة:
%1</translation>
    </message>
    <message>
        <source>Nothing to print: %1</source>
        <translation>لا شيء للطباعة: %1</translation>
    </message>
    <message>
        <source>Label designs (*.qld);;All files (*)</source>
        <translation>تصاميم الملصقات (*.qld);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>القوائم (*.csv *.tsv *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>another user&apos;s file</source>
        <translation>ملف لمستخدم آخر</translation>
    </message>
    <message>
        <source>larger than a lock file can be</source>
        <translation>أكبر مما يمكن أن يكون عليه ملف قفل</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>غير مقروء (%1)</translation>
    </message>
</context>
<context>
    <name>Gs1</name>
    <message>
        <source>An AI in brackets is 2 to 4 digits, such as (01), not %2</source>
        <translation>معرّف التطبيق بين القوسين من 2 إلى 4 أرقام، مثل (01)، وليس %2</translation>
    </message>
    <message>
        <source>%1 is not a GS1 Application Identifier</source>
        <translation>%1 ليس معرّف تطبيق في GS1</translation>
    </message>
    <message>
        <source>%1: no data after the AI</source>
        <translation>%1: لا بيانات بعد المعرّف</translation>
    </message>
    <message>
        <source>%1: the length is %4, not %2</source>
        <translation>%1: الطول %4، لا %2</translation>
    </message>
    <message>
        <source>%1: too short, at least %4</source>
        <translation>%1: قصير جدًا، %4 على الأقل</translation>
    </message>
    <message>
        <source>%1: too long, at most %4</source>
        <translation>%1: طويل جدًا، %4 على الأكثر</translation>
    </message>
    <message>
        <source>%1: digits only, not %2</source>
        <translation>%1: أرقام فقط، لا %2</translation>
    </message>
    <message>
        <source>%1: %2 is not in %3</source>
        <translation>%1: %2 ليس من %3</translation>
    </message>
    <message>
        <source>%1: the check digit should be %3</source>
        <translation>%1: رقم التحقق يجب أن يكون %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a date: %3</source>
        <translation>%1: %2 ليس تاريخًا: %3</translation>
    </message>
    <message>
        <source>%1: given twice with different values</source>
        <translation>%1: مكرر بقيمتين مختلفتين</translation>
    </message>
    <message>
        <source>%1: %2 is not a time: %3</source>
        <translation>%1: %2 ليس وقتًا: %3</translation>
    </message>
    <message>
        <source>%1: the check characters should be %3</source>
        <translation>%1: محرفا التحقق يجب أن يكونا %3</translation>
    </message>
    <message>
        <source>%1: %2 does not hold a GS1 Company Prefix</source>
        <translation>%1: %2 لا يحمل بادئة شركة GS1</translation>
    </message>
    <message>
        <source>%1: %2 is not an ISO 3166 country code</source>
        <translation>%1: %2 ليس رمز بلد في ISO 3166</translation>
    </message>
    <message>
        <source>%1: %2 is not an ISO 4217 currency code</source>
        <translation>%1: %2 ليس رمز عملة في ISO 4217</translation>
    </message>
    <message>
        <source>%1: %2 is not an IBAN: %3</source>
        <translation>%1: %2 ليس رقم IBAN: %3</translation>
    </message>
    <message>
        <source>%1: in %2 a % is not followed by two hexadecimal digits</source>
        <translation>%1: في %2 علامة % لا يتبعها رقمان ست عشريان</translation>
    </message>
    <message>
        <source>%1: %2 is out of the coordinate&apos;s range: %3</source>
        <translation>%1: %2 خارج مدى الإحداثي: %3</translation>
    </message>
    <message>
        <source>%1: %2 is not one of the values allowed: %3</source>
        <translation>%1: %2 ليس من القيم المسموح بها: %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a valid position: %3</source>
        <translation>%1: %2 ليس موضعًا صحيحًا: %3</translation>
    </message>
    <message>
        <source>%1: the value %2 is refused: %3</source>
        <translation>%1: القيمة %2 مرفوضة: %3</translation>
    </message>
    <message>
        <source>%1: %2 must not start with 0</source>
        <translation>%1: %2 يجب ألا يبدأ بصفر</translation>
    </message>
    <message>
        <source>%1: %2 must hold a character other than a digit</source>
        <translation>%1: %2 يجب أن يحوي محرفًا غير الأرقام</translation>
    </message>
    <message>
        <source>%1: %2 is not a coupon code: %3</source>
        <translation>%1: %2 ليس رمز قسيمة: %3</translation>
    </message>
    <message>
        <source>%1 needs %3</source>
        <translation>%1 يحتاج إلى %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot stand together</source>
        <translation>%1 و%2 لا يجتمعان</translation>
    </message>
    <message>
        <source>Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of a GTIN with its check digit</source>
        <translation>لا يحمل هذا الرمز إلا GTIN: (01) و14 رقمًا، أو 8 أو 12 أو 13 أو 14 رقمًا برقم التحقق</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 مع %2</translation>
    </message>
    <message>
        <source>one of: %1</source>
        <translation>واحد من: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>GS1 data must start with an AI in brackets, such as (01)</source>
        <translation>تبدأ بيانات GS1 بمعرّف تطبيق بين قوسين، مثل (01)</translation>
    </message>
    <message>
        <source>%1, part %2</source>
        <translation>%1، الجزء %2</translation>
    </message>
</context>
<context>
    <name>LabelPrinter</name>
    <message>
        <source>Nothing was sent to %1: the label of line %2 (%3) would not print as it should: %4</source>
        <translation>لم يُرسَل شيء إلى %1: ملصق السطر %2 (%3) لن يُطبع كما ينبغي: %4</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: the label %2 would not print as it should: %3</source>
        <translation>لم يُرسَل شيء إلى %1: الملصق %2 لن يُطبع كما ينبغي: %3</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: %2</source>
        <translation>لم يُرسَل شيء إلى %1: %2</translation>
    </message>
    <message>
        <source>Name the label printer: a CUPS queue, an ipp:// address, or HOST:PORT of its raw port.</source>
        <translation>اذكر طابعة الملصقات: طابور CUPS، أو عنوان ipp://، أو المضيف:المنفذ (HOST:PORT) لمنفذها الخام.</translation>
    </message>
    <message>
        <source>%1 is a raw port, which takes ZPL: choose ZPL, or a CUPS queue for PDF.</source>
        <translation>%1 منفذ خام لا يقبل إلا لغة ZPL: اختر ZPL، أو طابور CUPS لإرسال PDF.</translation>
    </message>
    <message>
        <source>Nothing was sent: there is no printer %1 (%2).</source>
        <translation>لم يُرسَل شيء: لا توجد طابعة باسم %1 (%2).</translation>
    </message>
    <message>
        <source>Nothing was sent: the printer %1 cannot be reached (%2).</source>
        <translation>لم يُرسَل شيء: تعذّر الوصول إلى الطابعة %1 (%2).</translation>
    </message>
    <message>
        <source>Nothing was sent: the printer %1 refused the job (%2).</source>
        <translation>لم يُرسَل شيء: رفضت الطابعة %1 المهمة (%2).</translation>
    </message>
    <message>
        <source>The job was not handed over whole: the printer %1 stopped taking it (%2). Some labels may have printed.</source>
        <translation>لم تُسلَّم المهمة كاملة: توقفت الطابعة %1 عن استلامها (%2). ربما طُبع بعض الملصقات.</translation>
    </message>
    <message>
        <source>The printer %1 took only part of the job (%2), and the job was cancelled.</source>
        <translation>استلمت الطابعة %1 جزءًا من المهمة فقط (%2)، فأُلغيت المهمة.</translation>
    </message>
    <message>
        <source>A job is still being sent to %1.</source>
        <translation>ما زالت مهمة قيد الإرسال إلى %1.</translation>
    </message>
    <message>
        <source>Choose the roll or the tape the label printer prints on.</source>
        <translation>اختر البكرة أو الشريط الذي تطبع عليه طابعة الملصقات.</translation>
    </message>
    <message>
        <source>Label printer</source>
        <translation>طابعة الملصقات</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>البكرة</translation>
    </message>
    <message>
        <source>A CUPS queue, an ipp:// address, or HOST:PORT of a network printer&apos;s raw port (usually 9100).</source>
        <translation>طابور CUPS، أو عنوان ipp://، أو المضيف:المنفذ (HOST:PORT) للمنفذ الخام لطابعة شبكية (عادةً 9100).</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>ZPL (Zebra and compatible printers)</source>
        <translation>ZPL (طابعات Zebra والمتوافقة معها)</translation>
    </message>
    <message>
        <source>PDF through the printer&apos;s driver</source>
        <translation>PDF عبر برنامج تشغيل الطابعة</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 نقطة/بوصة</translation>
    </message>
    <message>
        <source>The sheet is laid out on %1, a sheet of labels. A label printer prints one label a page, on a roll: choose the roll.</source>
        <translation>الصفحة مصممة على %1، وهي ورقة ملصقات. تطبع طابعة الملصقات ملصقًا واحدًا في كل صفحة على بكرة: اختر البكرة.</translation>
    </message>
    <message numerus="yes">
        <source>The whole job, %n labels, was handed over to %1.</source>
        <translation>
            <numerusform>لم يُسلَّم أي ملصق إلى %1.</numerusform>
            <numerusform>سُلِّمت المهمة كاملة، ملصق واحد، إلى %1.</numerusform>
            <numerusform>سُلِّمت المهمة كاملة، ملصقان، إلى %1.</numerusform>
            <numerusform>سُلِّمت المهمة كاملة، %n ملصقات، إلى %1.</numerusform>
            <numerusform>سُلِّمت المهمة كاملة، %n ملصقًا، إلى %1.</numerusform>
            <numerusform>سُلِّمت المهمة كاملة، %n ملصق، إلى %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was sent: the printer %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 فورًا.</numerusform>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 خلال ثانية واحدة.</numerusform>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 خلال ثانيتين.</numerusform>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 خلال %n ثوانٍ.</numerusform>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 خلال %n ثانية.</numerusform>
            <numerusform>لم يُرسَل شيء: لم تُجب الطابعة %1 خلال %n ثانية.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>PostNet prints as USPS asks, whatever the X-dimension: %1 mm bars, 22 to the inch, %2 mm and %3 mm tall</source>
        <translation>يُطبع PostNet كما تطلب هيئة البريد الأمريكية (USPS) أيًّا كان البعد X: أعمدة بعرض %1 مم، 22 عمودًا في البوصة، بارتفاع %2 مم و%3 مم</translation>
    </message>
    <message>
        <source>PostNet bars keep their USPS heights; the bar height asked for does not apply</source>
        <translation>تحتفظ أعمدة PostNet بارتفاعاتها التي تحددها USPS؛ ولا ينطبق ارتفاع الأعمدة المطلوب</translation>
    </message>
    <message>
        <source>X-dimension %1 mm is outside the %2-%3 mm that %4 allows: printed at %5 mm (%6 dots at %7 dpi)</source>
        <translation>البعد X البالغ %1 مم خارج المدى %2–%3 مم الذي يسمح به %4: طُبع بعرض %5 مم (%6 نقطة عند %7 نقطة في البوصة)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm in whole dots falls outside the %2-%3 mm that %4 allows: printed at %5 mm (%6 dots at %7 dpi)</source>
        <translation>البعد X البالغ %1 مم يقع بالنقاط الكاملة خارج المدى %2–%3 مم الذي يسمح به %4: طُبع بعرض %5 مم (%6 نقطة عند %7 نقطة في البوصة)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm printed at %2 mm (%3 dots at %4 dpi): a module over %5 dots takes whole steps of %6 dots</source>
        <translation>البعد X البالغ %1 مم طُبع بعرض %2 مم (%3 نقطة عند %4 نقطة في البوصة): العمود الرفيع الذي يزيد على %5 نقطة يتدرج بخطوات كاملة من %6 نقطة</translation>
    </message>
    <message>
        <source>Wide/narrow ratio %1 (%2 to %3 dots) for the %4 asked: whole dots, within what %5 allows at this module</source>
        <translation>نسبة العريض إلى الرفيع %1 (%2 إلى %3 نقطة) بدلًا من %4 المطلوبة: بنقاط كاملة وفي حدود ما يسمح به %5 عند هذا العرض</translation>
    </message>
    <message>
        <source>Bar height %1 mm is below the %2 mm that %3 asks at a %4 mm module</source>
        <translation>ارتفاع الأعمدة %1 مم أقل من %2 مم التي يطلبها %3 عند عمود رفيع بعرض %4 مم</translation>
    </message>
    <message>
        <source>Bar width reduction of %1 dots would leave %2-dot bars empty: reduced by %3</source>
        <translation>إنقاص عرض الأعمدة بمقدار %1 نقطة يترك الأعمدة ذات %2 نقطة فارغة: أُنقص بمقدار %3</translation>
    </message>
    <message>
        <source>Bars shortened to %1 mm to fit the cell&apos;s %2 mm height</source>
        <translation>قُصّرت الأعمدة إلى %1 مم لتلائم ارتفاع الخانة البالغ %2 مم</translation>
    </message>
    <message>
        <source>X-dimension reduced to %1 mm (%2 dots at %3 dpi) to fit the cell</source>
        <translation>صُغّر البعد X إلى %1 مم (%2 نقطة عند %3 نقطة في البوصة) ليلائم الخانة</translation>
    </message>
    <message>
        <source>X-dimension %1 mm is below the %2 mm that %3 needs: printed at %4 mm (%5 dots at %6 dpi)</source>
        <translation>البعد X البالغ %1 مم أقل من %2 مم التي يحتاجها %3: طُبع بعرض %4 مم (%5 نقطة عند %6 نقطة في البوصة)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm in whole dots falls below the %2 mm that %3 needs: printed at %4 mm (%5 dots at %6 dpi)</source>
        <translation>البعد X البالغ %1 مم يقل بالنقاط الكاملة عن %2 مم التي يحتاجها %3: طُبع بعرض %4 مم (%5 نقطة عند %6 نقطة في البوصة)</translation>
    </message>
    <message>
        <source>The bar height is for GS1-128 and DataBar; %1 takes its height from its modules</source>
        <translation>ارتفاع الأعمدة خاص بـ GS1-128 وDataBar؛ أما %1 فيأخذ ارتفاعه من وحداته</translation>
    </message>
    <message>
        <source>Angle %1 degrees drawn as %2: a symbol turns in quarter turns</source>
        <translation>رُسمت الزاوية %1 درجة على %2 درجة: لا يدور الرمز إلا أرباع دورة</translation>
    </message>
    <message>
        <source>PDF417 columns raised from %1 to %2 to hold the data</source>
        <translation>رُفعت أعمدة PDF417 من %1 إلى %2 لتتسع للبيانات</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Label %1 mm wide, cell %2 mm: it would be cut off</source>
        <translation>الملصق بعرض %1 مم والخانة %2 مم: سيُقص</translation>
    </message>
    <message>
        <source>Label %1 mm high, cell %2 mm: it would be cut off</source>
        <translation>الملصق بارتفاع %1 مم والخانة %2 مم: سيُقص</translation>
    </message>
    <message>
        <source>Label %1 mm high, cell %2 mm: its bars cannot reach their minimum height of %3 mm</source>
        <translation>الملصق بارتفاع %1 مم والخانة %2 مم: لا تبلغ الأعمدة أدنى ارتفاع لها وهو %3 مم</translation>
    </message>
    <message>
        <source>Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm cells</source>
        <translation>الملصق %1 × %2 مم بمناطقه الهادئة وهامشه البالغ %3 مم لا يتسع في الخانات البالغة %4 × %5 مم</translation>
    </message>
    <message>
        <source>Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm labels of %6</source>
        <translation>الملصق %1 × %2 مم بمناطقه الهادئة وهامشه البالغ %3 مم لا يتسع في ملصقات %6 البالغة %4 × %5 مم</translation>
    </message>
    <message>
        <source>Check digit should be %1</source>
        <translation>يجب أن يكون رقم التحقق %1</translation>
    </message>
    <message>
        <source>Does not scan</source>
        <translation>لا يُقرأ بالماسح</translation>
    </message>
    <message>
        <source>Does not scan at %1 dpi</source>
        <translation>لا يُقرأ بالماسح عند %1 نقطة في البوصة</translation>
    </message>
    <message>
        <source>Does not scan at %1 dpi (stretched to fill its cell)</source>
        <translation>لا يُقرأ بالماسح عند %1 نقطة في البوصة (مشدودًا ليملأ خانته)</translation>
    </message>
    <message>
        <source>Reads %1, not %2</source>
        <translation>يُقرأ %1 وليس %2</translation>
    </message>
    <message>
        <source>Reads %1 at %2 dpi, not %3</source>
        <translation>يُقرأ %1 عند %2 نقطة في البوصة وليس %3</translation>
    </message>
    <message>
        <source>Reads %1 as %2, not as GS1 data (%3)</source>
        <translation>يُقرأ %1 بصفته %2 وليس بيانات GS1 (%3)</translation>
    </message>
    <message>
        <source>Reads %1 as %2 at %3 dpi, not as GS1 data (%4)</source>
        <translation>يُقرأ %1 بصفته %2 عند %3 نقطة في البوصة وليس بيانات GS1 (%4)</translation>
    </message>
    <message>
        <source>Bars printed %1 dots off the %2-dpi printer&apos;s dots</source>
        <translation>طُبعت الأعمدة منزاحة %1 نقطة عن نقاط الطابعة ذات %2 نقطة في البوصة</translation>
    </message>
    <message>
        <source>Nothing is printed</source>
        <translation>لم يُطبع شيء</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>حقل بين علامتي اقتباس لم يُغلق</translation>
    </message>
    <message>
        <source>a quoted field is not closed (lines %1 to %2 read as one row)</source>
        <translation>حقل بين علامتي اقتباس لم يُغلق (قُرئت الأسطر من %1 إلى %2 صفًا واحدًا)</translation>
    </message>
    <message>
        <source>row over 1 KiB (%1 bytes)</source>
        <translation>صف يتجاوز 1 كيلوبايت (%1 بايت)</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>عدد الحقول %1 وصف العناوين يسمّي %2</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>لا رمز</translation>
    </message>
    <message>
        <source>copies must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>يجب أن يكون عدد النسخ عددًا صحيحًا من 1 إلى %1، لا &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Label stock %1: %2</source>
        <translation>ورق الملصقات %1: %2</translation>
    </message>
    <message>
        <source>Label stock: %1</source>
        <translation>ورق الملصقات: %1</translation>
    </message>
    <message>
        <source>%1; cannot be used: %2</source>
        <translation>%1؛ لا يمكن استعماله: %2</translation>
    </message>
    <message>
        <source>%1: borrows the labels of %2, which no template gives; cannot be used</source>
        <translation>%1: يستعير ملصقات %2، ولا يقدّمه أي قالب؛ لا يمكن استعماله</translation>
    </message>
    <message>
        <source>Roll of %1 x %2 mm labels</source>
        <translation>لفافة ملصقات %1 × %2 مم</translation>
    </message>
    <message>
        <source>Continuous tape %1 mm wide</source>
        <translation>شريط متصل بعرض %1 مم</translation>
    </message>
    <message>
        <source>Roll of %1 x %2 mm labels, own stock</source>
        <translation>لفافة ملصقات %1 × %2 مم، ورقك الخاص</translation>
    </message>
    <message>
        <source>Continuous tape %1 mm wide, own stock</source>
        <translation>شريط متصل بعرض %1 مم، ورقك الخاص</translation>
    </message>
    <message>
        <source>%1, %2 labels of %3 x %4 mm (%5 x %6), own stock</source>
        <translation>%1، %2 ملصقًا بمقاس %3 × %4 مم (%5 × %6)، ورقك الخاص</translation>
    </message>
    <message>
        <source>no labels are laid out</source>
        <translation>لا ملصقات مصفوفة فيه</translation>
    </message>
    <message>
        <source>round labels cannot be placed</source>
        <translation>لا يمكن وضع الملصقات المستديرة</translation>
    </message>
    <message>
        <source>elliptical labels cannot be placed</source>
        <translation>لا يمكن وضع الملصقات البيضاوية</translation>
    </message>
    <message>
        <source>CD labels cannot be placed</source>
        <translation>لا يمكن وضع ملصقات الأقراص المدمجة</translation>
    </message>
    <message>
        <source>the labels lie in %1 grids; one grid can be placed</source>
        <translation>الملصقات موزعة على %1 شبكات؛ ويمكن وضع شبكة واحدة فقط</translation>
    </message>
    <message>
        <source>the labels have no size</source>
        <translation>الملصقات بلا مقاس</translation>
    </message>
    <message>
        <source>the paper is neither a4 nor letter</source>
        <translation>الورق ليس a4 ولا letter</translation>
    </message>
    <message>
        <source>the paper is %1 x %2 mm: its sides are above 0 and at most %3 mm</source>
        <translation>الورق %1 × %2 مم: أضلاعه أكبر من 0 ولا تتجاوز %3 مم</translation>
    </message>
    <message>
        <source>a roll or tape has one label a page on its own Custom paper</source>
        <translation>للفافة أو الشريط ملصق واحد في كل صفحة على ورقه المخصص</translation>
    </message>
    <message>
        <source>columns out of range: %1 (%2 to %3)</source>
        <translation>عدد الأعمدة خارج المدى: %1 (من %2 إلى %3)</translation>
    </message>
    <message>
        <source>rows out of range: %1 (%2 to %3)</source>
        <translation>عدد الصفوف خارج المدى: %1 (من %2 إلى %3)</translation>
    </message>
    <message>
        <source>a margin is negative</source>
        <translation>أحد الهوامش سالب</translation>
    </message>
    <message>
        <source>the labels overlap: a pitch is less than the label</source>
        <translation>الملصقات متداخلة: إحدى الخطوات أصغر من الملصق</translation>
    </message>
    <message>
        <source>the label of %1 x %2 mm does not fit its page of %3 x %4 mm</source>
        <translation>الملصق %1 × %2 مم لا يتسع في صفحته %3 × %4 مم</translation>
    </message>
    <message>
        <source>%1 columns reach %2 mm across paper %3 mm wide</source>
        <translation>%1 أعمدة تمتد %2 مم عرضًا على ورق عرضه %3 مم</translation>
    </message>
    <message>
        <source>%1 rows reach %2 mm down paper %3 mm long</source>
        <translation>%1 صفوف تمتد %2 مم طولًا على ورق طوله %3 مم</translation>
    </message>
    <message>
        <source>no &quot;=&quot; between a key and its value</source>
        <translation>لا توجد &quot;=&quot; بين المفتاح وقيمته</translation>
    </message>
    <message>
        <source>an escape other than \\, \n, \r, \t or \xHH</source>
        <translation>تهريب غير \\ و\n و\r و\t و\xHH</translation>
    </message>
    <message>
        <source>a value without a key</source>
        <translation>قيمة بلا مفتاح</translation>
    </message>
    <message>
        <source>a section name with a bad escape</source>
        <translation>اسم قسم فيه تهريب خاطئ</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a number from -%4 to %4</source>
        <translation>%1 %2: %3 ليس عددًا من ‎-%4 إلى %4</translation>
    </message>
    <message>
        <source>No error: %1</source>
        <translation>لا خطأ: %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>الملف غير موجود: %1</translation>
    </message>
    <message>
        <source>File access denied: %1</source>
        <translation>رُفض الوصول إلى الملف: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>ليس ملفًا عاديًا: %1</translation>
    </message>
    <message>
        <source>Larger than %2: %1</source>
        <translation>أكبر من %2: %1</translation>
    </message>
    <message>
        <source>Not yours to replace: %1</source>
        <translation>ليس لك أن تستبدله: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>القرص ممتلئ: %1</translation>
    </message>
    <message>
        <source>File too large: %1</source>
        <translation>الملف كبير جدًا: %1</translation>
    </message>
    <message>
        <source>I/O error %2: %1</source>
        <translation>خطأ إدخال/إخراج %2: %1</translation>
    </message>
    <message>
        <source>Write-protected: %1</source>
        <translation>محمي من الكتابة: %1</translation>
    </message>
    <message>
        <source>%1 line %2: outside any [ID] entry; the line is ignored</source>
        <translation>%1 السطر %2: خارج أي مدخل [ID]؛ يُتجاهل السطر</translation>
    </message>
    <message>
        <source>%1 line %2: %3; the entry is skipped</source>
        <translation>%1 السطر %2: %3؛ يُتخطى المدخل</translation>
    </message>
    <message>
        <source>%1 line %2: %4; the stock %3 is skipped</source>
        <translation>%1 السطر %2: %4؛ يُتخطى الورق %3</translation>
    </message>
    <message>
        <source>%1; only the built-in label stocks are offered</source>
        <translation>%1؛ لا يُعرض إلا ورق الملصقات المدمج</translation>
    </message>
    <message>
        <source>not a key = value line</source>
        <translation>ليس سطرًا من شكل مفتاح = قيمة</translation>
    </message>
    <message>
        <source>an entry begins with a line [ID]</source>
        <translation>يبدأ المدخل بسطر [ID]</translation>
    </message>
    <message>
        <source>an ID has 1 to 64 characters</source>
        <translation>للمعرّف من 1 إلى 64 محرفًا</translation>
    </message>
    <message>
        <source>an ID holds only letters, digits, &apos;.&apos;, &apos;-&apos; and &apos;_&apos;</source>
        <translation>لا يحوي المعرّف إلا حروفًا وأرقامًا و&apos;.&apos; و&apos;-&apos; و&apos;_&apos;</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>مفتاح مجهول %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 مذكور مرتين</translation>
    </message>
    <message>
        <source>the description holds a control character</source>
        <translation>في الوصف محرف تحكم</translation>
    </message>
    <message>
        <source>the description is longer than 200 bytes</source>
        <translation>الوصف أطول من 200 بايت</translation>
    </message>
    <message>
        <source>paper is a4 or letter, or roll or tape, not %1</source>
        <translation>الورق a4 أو letter أو roll أو tape، لا %1</translation>
    </message>
    <message>
        <source>%1 is a whole number, not %2</source>
        <translation>%1 عدد صحيح، لا %2</translation>
    </message>
    <message>
        <source>%1 is a length of 0 to 1000 mm, not %2</source>
        <translation>%1 طول من 0 إلى 1000 مم، لا %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 ناقص</translation>
    </message>
    <message>
        <source>%1 is for sheets: a roll or tape has one label a page</source>
        <translation>%1 للأوراق: للفافة أو الشريط ملصق واحد في كل صفحة</translation>
    </message>
    <message>
        <source>the ID custom names the sheet laid out by margins</source>
        <translation>المعرّف custom اسم الورقة المصفوفة بالهوامش</translation>
    </message>
    <message>
        <source>the ID %1 is taken by the tape of that size</source>
        <translation>المعرّف %1 محجوز للشريط الذي بهذا المقاس</translation>
    </message>
    <message>
        <source>the ID %1 is taken by the roll of that size</source>
        <translation>المعرّف %1 محجوز للفافة التي بهذا المقاس</translation>
    </message>
    <message>
        <source>the ID %1 is taken</source>
        <translation>المعرّف %1 مستعمل</translation>
    </message>
    <message>
        <source>%1; its templates are skipped</source>
        <translation>%1؛ تُتخطى قوالبه</translation>
    </message>
    <message>
        <source>%1 line %2: %3; its templates are skipped</source>
        <translation>%1 السطر %2: %3؛ تُتخطى قوالبه</translation>
    </message>
    <message>
        <source>%1 line %2: template %3: %4; the template is skipped</source>
        <translation>%1 السطر %2: القالب %3: %4؛ يُتخطى القالب</translation>
    </message>
    <message>
        <source>a template has a brand and a part</source>
        <translation>للقالب علامة تجارية ورقم منتج</translation>
    </message>
    <message>
        <source>unknown label shape %1</source>
        <translation>شكل ملصق مجهول %1</translation>
    </message>
    <message>
        <source>%1 %2 is not a length: &apos;%3&apos;</source>
        <translation>%1 %2 ليس طولًا: &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Layout %1 is not a count of 1 to 1000: &apos;%2&apos;</source>
        <translation>Layout %1 ليس عددًا من 1 إلى 1000: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>paper %1 is not in %2</source>
        <translation>الورق %1 ليس في %2</translation>
    </message>
    <message>
        <source>A4, 21 labels of 63.5 x 38.1 mm (3 x 7), address</source>
        <translation>A4، 21 ملصقًا بمقاس 63.5 × 38.1 مم (3 × 7)، عناوين</translation>
    </message>
    <message>
        <source>A4, 24 labels of 63.5 x 33.9 mm (3 x 8), address</source>
        <translation>A4، 24 ملصقًا بمقاس 63.5 × 33.9 مم (3 × 8)، عناوين</translation>
    </message>
    <message>
        <source>A4, 14 labels of 99.1 x 38.1 mm (2 x 7), address</source>
        <translation>A4، 14 ملصقًا بمقاس 99.1 × 38.1 مم (2 × 7)، عناوين</translation>
    </message>
    <message>
        <source>A4, 16 labels of 99.1 x 33.9 mm (2 x 8), address</source>
        <translation>A4، 16 ملصقًا بمقاس 99.1 × 33.9 مم (2 × 8)، عناوين</translation>
    </message>
    <message>
        <source>A4, 8 labels of 99.1 x 67.7 mm (2 x 4), parcel</source>
        <translation>A4، 8 ملصقات بمقاس 99.1 × 67.7 مم (2 × 4)، طرود</translation>
    </message>
    <message>
        <source>A4, 10 labels of 99.1 x 57 mm (2 x 5), parcel</source>
        <translation>A4، 10 ملصقات بمقاس 99.1 × 57 مم (2 × 5)، طرود</translation>
    </message>
    <message>
        <source>A4, 12 labels of 63.5 x 72 mm (3 x 4), product</source>
        <translation>A4، 12 ملصقًا بمقاس 63.5 × 72 مم (3 × 4)، منتجات</translation>
    </message>
    <message>
        <source>A4, 6 labels of 99.1 x 93.1 mm (2 x 3), shipping</source>
        <translation>A4، 6 ملصقات بمقاس 99.1 × 93.1 مم (2 × 3)، شحن</translation>
    </message>
    <message>
        <source>A4, 4 labels of 99.1 x 139 mm (2 x 2), shipping</source>
        <translation>A4، 4 ملصقات بمقاس 99.1 × 139 مم (2 × 2)، شحن</translation>
    </message>
    <message>
        <source>A4, 2 labels of 199.6 x 143.5 mm (1 x 2), shipping</source>
        <translation>A4، ملصقان بمقاس 199.6 × 143.5 مم (1 × 2)، شحن</translation>
    </message>
    <message>
        <source>A4, 1 label of 199.6 x 289.1 mm, full sheet</source>
        <translation>A4، ملصق واحد بمقاس 199.6 × 289.1 مم، ورقة كاملة</translation>
    </message>
    <message>
        <source>A4, 40 labels of 48.5 x 25.4 mm (4 x 10), barcode</source>
        <translation>A4، 40 ملصقًا بمقاس 48.5 × 25.4 مم (4 × 10)، باركود</translation>
    </message>
    <message>
        <source>A4, 33 labels of 70 x 25.4 mm (3 x 11), edge to edge</source>
        <translation>A4، 33 ملصقًا بمقاس 70 × 25.4 مم (3 × 11)، من الحافة إلى الحافة</translation>
    </message>
    <message>
        <source>US Letter, 30 labels of 2-5/8 x 1 in (3 x 10), address</source>
        <translation>US Letter، 30 ملصقًا بمقاس 2-5/8 × 1 إنش (3 × 10)، عناوين</translation>
    </message>
    <message>
        <source>US Letter, 20 labels of 4 x 1 in (2 x 10), address</source>
        <translation>US Letter، 20 ملصقًا بمقاس 4 × 1 إنش (2 × 10)، عناوين</translation>
    </message>
    <message>
        <source>US Letter, 14 labels of 4 x 1-1/3 in (2 x 7), address</source>
        <translation>US Letter، 14 ملصقًا بمقاس 4 × 1-1/3 إنش (2 × 7)، عناوين</translation>
    </message>
    <message>
        <source>US Letter, 10 labels of 4 x 2 in (2 x 5), shipping</source>
        <translation>US Letter، 10 ملصقات بمقاس 4 × 2 إنش (2 × 5)، شحن</translation>
    </message>
    <message>
        <source>US Letter, 6 labels of 4 x 3-1/3 in (2 x 3), shipping</source>
        <translation>US Letter، 6 ملصقات بمقاس 4 × 3-1/3 إنش (2 × 3)، شحن</translation>
    </message>
    <message>
        <source>US Letter, 4 labels of 4 x 5 in (2 x 2), shipping</source>
        <translation>US Letter، 4 ملصقات بمقاس 4 × 5 إنش (2 × 2)، شحن</translation>
    </message>
    <message>
        <source>US Letter, 80 labels of 1-3/4 x 1/2 in (4 x 20), return address</source>
        <translation>US Letter، 80 ملصقًا بمقاس 1-3/4 × 1/2 إنش (4 × 20)، عنوان المرسل</translation>
    </message>
    <message>
        <source>US Letter, 2 labels of 8-1/2 x 5-1/2 in (1 x 2), shipping</source>
        <translation>US Letter، ملصقان بمقاس 8-1/2 × 5-1/2 إنش (1 × 2)، شحن</translation>
    </message>
    <message>
        <source>US Letter, 1 label of 8-1/2 x 11 in, full sheet</source>
        <translation>US Letter، ملصق واحد بمقاس 8-1/2 × 11 إنش، ورقة كاملة</translation>
    </message>
    <message>
        <source>Roll of 57 x 32 mm labels, Dymo 11354 multi-purpose</source>
        <translation>لفافة ملصقات 57 × 32 مم، Dymo 11354، متعدد الأغراض</translation>
    </message>
    <message>
        <source>Roll of 89 x 28 mm labels, Dymo 99010 address</source>
        <translation>لفافة ملصقات 89 × 28 مم، Dymo 99010، عناوين</translation>
    </message>
    <message>
        <source>Roll of 54 x 25 mm labels, Dymo 11352 return address</source>
        <translation>لفافة ملصقات 54 × 25 مم، Dymo 11352، عنوان المرسل</translation>
    </message>
    <message>
        <source>Roll of 101 x 54 mm labels, Dymo 99014 shipping</source>
        <translation>لفافة ملصقات 101 × 54 مم، Dymo 99014، شحن</translation>
    </message>
    <message>
        <source>Roll of 29 x 90 mm labels, Brother DK-11201 address</source>
        <translation>لفافة ملصقات 29 × 90 مم، Brother DK-11201، عناوين</translation>
    </message>
    <message>
        <source>Roll of 62 x 29 mm labels, Brother DK-11209 small address</source>
        <translation>لفافة ملصقات 62 × 29 مم، Brother DK-11209، عناوين صغيرة</translation>
    </message>
    <message>
        <source>Roll of 62 x 100 mm labels, Brother DK-11202 shipping</source>
        <translation>لفافة ملصقات 62 × 100 مم، Brother DK-11202، شحن</translation>
    </message>
    <message>
        <source>Roll of 4 x 6 in labels (101.6 x 152.4 mm), thermal shipping</source>
        <translation>لفافة ملصقات 4 × 6 إنش (101.6 × 152.4 مم)، حرارية للشحن</translation>
    </message>
    <message>
        <source>Roll of 4 x 3 in labels (101.6 x 76.2 mm), thermal</source>
        <translation>لفافة ملصقات 4 × 3 إنش (101.6 × 76.2 مم)، حرارية</translation>
    </message>
    <message>
        <source>Roll of 4 x 2 in labels (101.6 x 50.8 mm), thermal</source>
        <translation>لفافة ملصقات 4 × 2 إنش (101.6 × 50.8 مم)، حرارية</translation>
    </message>
    <message>
        <source>Roll of 3 x 1 in labels (76.2 x 25.4 mm), thermal</source>
        <translation>لفافة ملصقات 3 × 1 إنش (76.2 × 25.4 مم)، حرارية</translation>
    </message>
    <message>
        <source>Roll of 2 x 1 in labels (50.8 x 25.4 mm), thermal barcode</source>
        <translation>لفافة ملصقات 2 × 1 إنش (50.8 × 25.4 مم)، حرارية للباركود</translation>
    </message>
    <message>
        <source>Roll of 100 x 150 mm labels, thermal shipping</source>
        <translation>لفافة ملصقات 100 × 150 مم، حرارية للشحن</translation>
    </message>
    <message>
        <source>Roll of 100 x 100 mm labels, thermal</source>
        <translation>لفافة ملصقات 100 × 100 مم، حرارية</translation>
    </message>
    <message>
        <source>Roll of 58 x 40 mm labels, thermal</source>
        <translation>لفافة ملصقات 58 × 40 مم، حرارية</translation>
    </message>
    <message>
        <source>Roll of 50 x 30 mm labels, thermal barcode</source>
        <translation>لفافة ملصقات 50 × 30 مم، حرارية للباركود</translation>
    </message>
    <message>
        <source>Roll of 40 x 30 mm labels, thermal barcode</source>
        <translation>لفافة ملصقات 40 × 30 مم، حرارية للباركود</translation>
    </message>
    <message>
        <source>Roll of 30 x 20 mm labels, thermal price</source>
        <translation>لفافة ملصقات 30 × 20 مم، حرارية للأسعار</translation>
    </message>
    <message>
        <source>Continuous tape 62 mm wide, Brother DK-22205</source>
        <translation>شريط متصل بعرض 62 مم، Brother DK-22205</translation>
    </message>
    <message>
        <source>Continuous tape 29 mm wide, Brother DK-22210</source>
        <translation>شريط متصل بعرض 29 مم، Brother DK-22210</translation>
    </message>
    <message>
        <source>Continuous tape 12 mm wide, Brother DK-22214</source>
        <translation>شريط متصل بعرض 12 مم، Brother DK-22214</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>رابط لا يؤدي إلى شيء</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>أنبوب FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>جهاز محارف</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>جهاز كتل</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>رابط</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>ملف عادي</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>إنه %1، لا ملف عادي</translation>
    </message>
    <message>
        <source>it is another user&apos;s file or reached through another user&apos;s link</source>
        <translation>إنه ملف لمستخدم آخر أو يُوصل إليه عبر رابط لمستخدم آخر</translation>
    </message>
    <message>
        <source>it is write-protected (mode %1)</source>
        <translation>إنه محمي من الكتابة (الصلاحيات %1)</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>إدخال رقمي غير صالح</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2. Nothing was written.</source>
        <translation>تعذّرت الكتابة في %1: %2. لم يُكتب شيء.</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <source>Row %1 of %2</source>
        <translation>الصف %1 من %2</translation>
    </message>
    <message>
        <source>No rows</source>
        <translation>لا صفوف</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>Number %1: %2</source>
        <translation>الرقم %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows cannot be printed and are left out; they are listed beside the preview.

Print the other %2?</source>
        <translation>
            <numerusform>لا يمكن طباعة %1 من %n صفوف فتُترك، وهي مذكورة بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
            <numerusform>لا يمكن طباعة %1 من صف واحد فيُترك، وهو مذكور بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
            <numerusform>لا يمكن طباعة %1 من صفّين فتُترك، وهي مذكورة بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
            <numerusform>لا يمكن طباعة %1 من %n صفوف فتُترك، وهي مذكورة بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
            <numerusform>لا يمكن طباعة %1 من %n صفًا فتُترك، وهي مذكورة بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
            <numerusform>لا يمكن طباعة %1 من %n صف فتُترك، وهي مذكورة بجانب المعاينة.

أتطبع الـ %2 الباقية؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing to print: none of the %n rows can be printed; they are listed beside the preview</source>
        <translation>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة أي من الصفوف الـ %n، وهي مذكورة بجانب المعاينة</numerusform>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة الصف الوحيد، وهو مذكور بجانب المعاينة</numerusform>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة أيٍّ من الصفّين، وهما مذكوران بجانب المعاينة</numerusform>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة أي من الصفوف الـ %n، وهي مذكورة بجانب المعاينة</numerusform>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة أي من الصفوف الـ %n، وهي مذكورة بجانب المعاينة</numerusform>
            <numerusform>لا شيء للطباعة: لا يمكن طباعة أي من الصفوف الـ %n، وهي مذكورة بجانب المعاينة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels would be cut off by their cells: %1</source>
        <translation>
            <numerusform>ستقصّ الخانات %n ملصقات: %1</numerusform>
            <numerusform>ستقصّ الخانة ملصقًا واحدًا: %1</numerusform>
            <numerusform>ستقصّ الخانات ملصقين: %1</numerusform>
            <numerusform>ستقصّ الخانات %n ملصقات: %1</numerusform>
            <numerusform>ستقصّ الخانات %n ملصقًا: %1</numerusform>
            <numerusform>ستقصّ الخانات %n ملصق: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more)</source>
        <translation>
            <numerusform> (و%n غيرها)</numerusform>
            <numerusform> (وواحد آخر)</numerusform>
            <numerusform> (واثنان آخران)</numerusform>
            <numerusform> (و%n غيرها)</numerusform>
            <numerusform> (و%n غيرها)</numerusform>
            <numerusform> (و%n غيرها)</numerusform>
        </translation>
    </message>
    <message>
        <source>Composing the labels...</source>
        <translation>تُركَّب الملصقات...</translation>
    </message>
    <message>
        <source>Checking that every label scans...</source>
        <translation>يُفحص كل ملصق بالماسح...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The list is empty: paste codes into it or open a file</source>
        <translation>القائمة فارغة: الصق فيها رموزًا أو افتح ملفًا</translation>
    </message>
    <message>
        <source>The rows make %1 labels, more than the %2 one print from the window takes: print them in parts, or with quillon-cli sheet --codes</source>
        <translation>تصنع الصفوف %1 ملصقًا، أكثر من %2 تتسع لها طباعة واحدة من النافذة: اطبعها على أجزاء، أو بالأمر quillon-cli sheet --codes</translation>
    </message>
    <message>
        <source>The list %1 cannot be opened: %2</source>
        <translation>تعذّر فتح القائمة %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more rows</source>
        <translation>
            <numerusform>... و%n صفوف أخرى</numerusform>
            <numerusform>... وصف آخر</numerusform>
            <numerusform>... وصفّان آخران</numerusform>
            <numerusform>... و%n صفوف أخرى</numerusform>
            <numerusform>... و%n صفًا آخر</numerusform>
            <numerusform>... و%n صف آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 prints as %2</source>
        <translation>%1 يُطبع %2</translation>
    </message>
    <message numerus="yes">
        <source>%n rows print another number than typed: %1

Print them as they are?</source>
        <translation>
            <numerusform>%n صفوف تُطبع رقمًا غير الذي كُتب: %1

أتطبعها كما هي؟</numerusform>
            <numerusform>صف واحد يُطبع رقمًا غير الذي كُتب: %1

أتطبعه كما هو؟</numerusform>
            <numerusform>صفّان يُطبعان رقمًا غير الذي كُتب: %1

أتطبعهما كما هما؟</numerusform>
            <numerusform>%n صفوف تُطبع رقمًا غير الذي كُتب: %1

أتطبعها كما هي؟</numerusform>
            <numerusform>%n صفًا تُطبع رقمًا غير الذي كُتب: %1

أتطبعها كما هي؟</numerusform>
            <numerusform>%n صف تُطبع رقمًا غير الذي كُتب: %1

أتطبعها كما هي؟</numerusform>
        </translation>
    </message>
    <message>
        <source>The columns of %1</source>
        <translation>أعمدة %1</translation>
    </message>
    <message>
        <source>The first row names the columns</source>
        <translation>الصف الأول يسمّي الأعمدة</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Upper caption</source>
        <translation>التعليق العلوي</translation>
    </message>
    <message>
        <source>Lower caption</source>
        <translation>التعليق السفلي</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>النسخ</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Checking the rows: %1 of %2</source>
        <translation>تُفحص الصفوف: %1 من %2</translation>
    </message>
    <message numerus="yes">
        <source>All %n rows print as they should</source>
        <translation>
            <numerusform>تُطبع الصفوف الـ %n كلها كما يجب</numerusform>
            <numerusform>يُطبع الصف الوحيد كما يجب</numerusform>
            <numerusform>يُطبع الصفّان كلاهما كما يجب</numerusform>
            <numerusform>تُطبع الصفوف الـ %n كلها كما يجب</numerusform>
            <numerusform>تُطبع الصفوف الـ %n كلها كما يجب</numerusform>
            <numerusform>تُطبع الصفوف الـ %n كلها كما يجب</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows will not print as typed</source>
        <translation>
            <numerusform>%1 من %n صفوف لن تُطبع كما كُتبت</numerusform>
            <numerusform>%1 من صف واحد لن يُطبع كما كُتب</numerusform>
            <numerusform>%1 من صفّين لن تُطبع كما كُتبت</numerusform>
            <numerusform>%1 من %n صفوف لن تُطبع كما كُتبت</numerusform>
            <numerusform>%1 من %n صفًا لن تُطبع كما كُتبت</numerusform>
            <numerusform>%1 من %n صف لن تُطبع كما كُتبت</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the rows listed</source>
        <translation>تصدير الصفوف المذكورة</translation>
    </message>
    <message>
        <source>The rows could not be exported: %1</source>
        <translation>تعذّر تصدير الصفوف: %1</translation>
    </message>
    <message>
        <source>The list %1 opened last is not there any more, so it is not opened again</source>
        <translation>القائمة %1 التي فُتحت آخر مرة لم تعد موجودة، فلا تُفتح ثانية</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Scans as %1</source>
        <translation>يُقرأ بالماسح: %1</translation>
    </message>
    <message>
        <source>Scans as %1, not as typed</source>
        <translation>يُقرأ بالماسح %1 وليس كما كُتب</translation>
    </message>
    <message>
        <source>Does not scan: try a larger zoom or bar width</source>
        <translation>لا يُقرأ بالماسح: جرّب تكبيرًا أو عرض عمود أكبر</translation>
    </message>
    <message>
        <source>No scan check for %1</source>
        <translation>لا فحص بالماسح لـ %1</translation>
    </message>
    <message>
        <source>Prints as %1: %2</source>
        <translation>يُطبع %1: %2</translation>
    </message>
    <message>
        <source>Prints as %1, which does not scan: %2</source>
        <translation>يُطبع %1 ولا يُقرأ بالماسح: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and %2 became the check digit</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
            <numerusform>يأخذ %1 رقمين ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
            <numerusform>يأخذ %1 %n رقمًا ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
            <numerusform>يأخذ %1 %n رقم ورقم تحقق، فأُضيف 0 في البداية وصار %2 رقم التحقق</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and the check digit %2 replaced the last digit</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
            <numerusform>يأخذ %1 رقمين ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
            <numerusform>يأخذ %1 %n رقمًا ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
            <numerusform>يأخذ %1 %n رقم ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %2 محل الرقم الأخير</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so zeros were put in front</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا ورقم تحقق، فأُضيف 0 في البداية</numerusform>
            <numerusform>يأخذ %1 رقمين ورقم تحقق، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n رقمًا ورقم تحقق، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n رقم ورقم تحقق، فأُضيفت أصفار في البداية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit; the digits after the first %2 were left out</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
            <numerusform>يأخذ %1 رقمين ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
            <numerusform>يأخذ %1 %n أرقام ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
            <numerusform>يأخذ %1 %n رقمًا ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
            <numerusform>يأخذ %1 %n رقم ورقم تحقق؛ وحُذفت الأرقام بعد أول %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the last digit is the check digit and should be %1</source>
        <translation>الرقم الأخير هو رقم التحقق ويجب أن يكون %1</translation>
    </message>
    <message>
        <source>; with its check digit %1 is %2</source>
        <translation>؛ ومع رقم التحقق يصبح %1: %2</translation>
    </message>
    <message>
        <source>%1 takes pairs of digits, so a 0 was put in front</source>
        <translation>يأخذ %1 أزواجًا من الأرقام، فأُضيف 0 في البداية</translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits, so zeros were put in front</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا، فأُضيف 0 في البداية</numerusform>
            <numerusform>يأخذ %1 رقمين، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n أرقام، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n رقمًا، فأُضيفت أصفار في البداية</numerusform>
            <numerusform>يأخذ %1 %n رقم، فأُضيفت أصفار في البداية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits; the rest were left out</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام؛ وحُذف الباقي</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا؛ وحُذف الباقي</numerusform>
            <numerusform>يأخذ %1 رقمين؛ وحُذف الباقي</numerusform>
            <numerusform>يأخذ %1 %n أرقام؛ وحُذف الباقي</numerusform>
            <numerusform>يأخذ %1 %n رقمًا؛ وحُذف الباقي</numerusform>
            <numerusform>يأخذ %1 %n رقم؛ وحُذف الباقي</numerusform>
        </translation>
    </message>
    <message>
        <source>blanks and control characters were left out</source>
        <translation>حُذفت المسافات ومحارف التحكم</translation>
    </message>
    <message>
        <source>%1 changed what was typed (%2)</source>
        <translation>غيّر %1 ما كُتب (%2)</translation>
    </message>
    <message>
        <source>Preview at %1%</source>
        <translation>معاينة بنسبة %1%</translation>
    </message>
    <message>
        <source>Scans as %1, with the check digit %2 added</source>
        <translation>يُقرأ بالماسح: %1، مع إضافة رقم التحقق %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n labels read back at %2 dpi</source>
        <translation>
            <numerusform>قُرئ %1 من %n ملصقات بالماسح عند %2 نقطة في البوصة</numerusform>
            <numerusform>قُرئ %1 من ملصق واحد بالماسح عند %2 نقطة في البوصة</numerusform>
            <numerusform>قُرئ %1 من ملصقين بالماسح عند %2 نقطة في البوصة</numerusform>
            <numerusform>قُرئ %1 من %n ملصقات بالماسح عند %2 نقطة في البوصة</numerusform>
            <numerusform>قُرئ %1 من %n ملصقًا بالماسح عند %2 نقطة في البوصة</numerusform>
            <numerusform>قُرئ %1 من %n ملصق بالماسح عند %2 نقطة في البوصة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not checked</source>
        <translation>
            <numerusform>، و%n بلا فحص</numerusform>
            <numerusform>، وواحد بلا فحص</numerusform>
            <numerusform>، واثنان بلا فحص</numerusform>
            <numerusform>، و%n بلا فحص</numerusform>
            <numerusform>، و%n بلا فحص</numerusform>
            <numerusform>، و%n بلا فحص</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels not checked: no reader for their kind</source>
        <translation>
            <numerusform>%n ملصقات بلا فحص: لا قارئ لنوعها</numerusform>
            <numerusform>ملصق واحد بلا فحص: لا قارئ لنوعه</numerusform>
            <numerusform>ملصقان بلا فحص: لا قارئ لنوعهما</numerusform>
            <numerusform>%n ملصقات بلا فحص: لا قارئ لنوعها</numerusform>
            <numerusform>%n ملصقًا بلا فحص: لا قارئ لنوعها</numerusform>
            <numerusform>%n ملصق بلا فحص: لا قارئ لنوعها</numerusform>
        </translation>
    </message>
    <message>
        <source>Number system should be %1</source>
        <translation>يجب أن يكون رقم نظام الترقيم %1</translation>
    </message>
    <message>
        <source>Does not scan: try a larger X-dimension</source>
        <translation>لا يُقرأ بالماسح: جرّب بعدًا X أكبر</translation>
    </message>
    <message>
        <source>Does not scan: Bar Width %1 draws the wide bars of %2 out of proportion; it takes Bar Width 2</source>
        <translation>لا يُقرأ بالماسح: عرض العمود %1 يرسم أعمدة %2 العريضة بغير نسبتها؛ ويأخذ عرض العمود 2</translation>
    </message>
    <message>
        <source>Does not scan: Bar Width %1 draws the wide bars of %2 too narrow; it takes Bar Width 2 or more</source>
        <translation>لا يُقرأ بالماسح: عرض العمود %1 يرسم أعمدة %2 العريضة أضيق مما يجب؛ ويأخذ عرض العمود 2 أو أكثر</translation>
    </message>
    <message>
        <source>Does not scan: its narrow bars of %1 mm are finer than the printer&apos;s %2 mm dot; raise the zoom to %3</source>
        <translation>لا يُقرأ بالماسح: أعمدته الرفيعة بعرض %1 مم أدق من نقطة الطابعة البالغة %2 مم؛ ارفع التكبير إلى %3</translation>
    </message>
    <message>
        <source>Does not scan: stretched to fill its cell, the label keeps no quiet zone beside its bars; turn Stretch off</source>
        <translation>لا يُقرأ بالماسح: الملصق المشدود ليملأ خانته لا يُبقي منطقة هادئة بجانب أعمدته؛ ألغِ الشد</translation>
    </message>
    <message>
        <source>Does not scan: the bars stand %1 mm from the paper&apos;s left edge, inside the %2 mm quiet zone they need; widen the left margin to %3 mm</source>
        <translation>لا يُقرأ بالماسح: تبعد الأعمدة %1 مم عن حافة الورقة اليسرى، داخل المنطقة الهادئة البالغة %2 مم التي تحتاجها؛ وسّع الهامش الأيسر إلى %3 مم</translation>
    </message>
    <message>
        <source>Does not scan: the bars end %1 mm from the paper&apos;s right edge, inside the %2 mm quiet zone they need</source>
        <translation>لا يُقرأ بالماسح: تنتهي الأعمدة على بعد %1 مم من حافة الورقة اليمنى، داخل المنطقة الهادئة البالغة %2 مم التي تحتاجها</translation>
    </message>
    <message>
        <source>Does not scan: the next label stands %1 mm from the bars, inside the %2 mm quiet zone they need; widen the column spacing to %3 mm or use fewer columns</source>
        <translation>لا يُقرأ بالماسح: يقف الملصق المجاور على بعد %1 مم من الأعمدة، داخل المنطقة الهادئة البالغة %2 مم التي تحتاجها؛ وسّع المسافة بين أعمدة الورقة إلى %3 مم أو قلّل عددها</translation>
    </message>
    <message>
        <source>, or set the zoom to %1</source>
        <translation>، أو اجعل التكبير %1</translation>
    </message>
    <message>
        <source>; set the zoom to %1</source>
        <translation>؛ اجعل التكبير %1</translation>
    </message>
    <message>
        <source>; lower the zoom, or </source>
        <translation>؛ قلّل التكبير، أو </translation>
    </message>
    <message>
        <source>use fewer columns or rows</source>
        <translation>قلّل أعمدة الورقة أو صفوفها</translation>
    </message>
    <message>
        <source>choose a stock of larger labels</source>
        <translation>اختر ورق ملصقات أكبر</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and the check digit switch adds the check digit, so the first digit was left out: type %n digits, or turn the switch off</source>
        <translation>
            <numerusform>يأخذ %1 %n أرقام ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب %n أرقام أو أطفئ المفتاح</numerusform>
            <numerusform>يأخذ %1 رقمًا واحدًا ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب رقمًا واحدًا أو أطفئ المفتاح</numerusform>
            <numerusform>يأخذ %1 رقمين ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب رقمين أو أطفئ المفتاح</numerusform>
            <numerusform>يأخذ %1 %n أرقام ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب %n أرقام أو أطفئ المفتاح</numerusform>
            <numerusform>يأخذ %1 %n رقمًا ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب %n رقمًا أو أطفئ المفتاح</numerusform>
            <numerusform>يأخذ %1 %n رقم ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب %n رقم أو أطفئ المفتاح</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Nothing to encode: type the data</source>
        <translation>لا شيء لترميزه: اكتب البيانات</translation>
    </message>
    <message>
        <source>The data is longer than the largest %1 holds</source>
        <translation>البيانات أطول مما يتسع له أكبر رمز %1</translation>
    </message>
    <message>
        <source>The data holds a character %1 cannot carry</source>
        <translation>في البيانات محرف لا يحمله %1</translation>
    </message>
    <message>
        <source>The GS1 data breaks GS1&apos;s rules</source>
        <translation>بيانات GS1 لا توافق قواعد GS1</translation>
    </message>
    <message>
        <source>An option of %1 is out of its range</source>
        <translation>أحد خيارات %1 خارج مداه</translation>
    </message>
    <message>
        <source>The %1 symbol could not be made</source>
        <translation>تعذّر إنشاء رمز %1</translation>
    </message>
    <message>
        <source>Scans as %1, but not as GS1 data (%2)</source>
        <translation>يُقرأ بالماسح %1 لكن ليس بيانات GS1 (%2)</translation>
    </message>
    <message>
        <source>Does not scan: try a larger zoom or module</source>
        <translation>لا يُقرأ بالماسح: جرّب تكبيرًا أو وحدة أكبر</translation>
    </message>
</context>
<context>
    <name>TPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>ملاءمة الصفحة</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>التكبير</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>الصفحة الأولى</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>الصفحة الأخيرة</translation>
    </message>
    <message>
        <source>Page setup…</source>
        <translation>إعداد الصفحة…</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>إعداد الصفحة</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>تعذّر تشغيل الطابعة.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written whole (is the disk full?); the file there is as it was.</source>
        <translation>تعذّرت كتابة ملف PDF %1 كاملًا (هل القرص ممتلئ؟)؛ وبقي الملف الموجود كما كان.</translation>
    </message>
    <message>
        <source>Label printer…</source>
        <translation>طابعة الملصقات…</translation>
    </message>
    <message>
        <source>Send to a label printer</source>
        <translation>إرسال إلى طابعة ملصقات</translation>
    </message>
</context>
</TS>
