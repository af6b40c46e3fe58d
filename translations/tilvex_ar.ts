<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="28"/>
        <source> (automatic)</source>
        <translation> (تلقائي)</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="25"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation> (تلقائي؛ النموذج المغناطيسي صالح للسنوات %.0f–%.0f)</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.h" line="21"/>
        <source> (seen from behind the dish)</source>
        <translation> (بالنظر من خلف الطبق)</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> East</source>
        <translation> شرقاً</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="23"/>
        <source> East to
180</source>
        <translation> شرقاً إلى
180</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> West</source>
        <translation> غرباً</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="24"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation> غرباً.  وستُحوَّل القيم الأكبر من ذلك إلى
هذه الصيغة، مع تبديل قيم الشرق والغرب
تبعاً لذلك.</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> clockwise</source>
        <translation> باتجاه عقارب الساعة</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> counter-clockwise</source>
        <translation> عكس اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="22"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation> يستخدم قيم مدار تتراوح من 180</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
تعذر العثور على هذا الملف.
يرجى التحقق من صحة المسار واسم الملف.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="533"/>
        <source>%1
Nothing was imported.</source>
        <translation>%1
لم يُستورد أي شيء.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="548"/>
        <source>%1
These lines were left out; the rest of the file was imported.</source>
        <translation>%1
تم تجاهل هذه الأسطر؛ واستُورد باقي الملف.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="61"/>
        <source>%1 (%2) from %3</source>
        <translation>%1 (%2) من %3</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (blocked)</source>
        <translation>%1 (محجوب)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (clear)</source>
        <translation>%1 (مكشوف)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="88"/>
        <source>%1 (the site's longitude)</source>
        <translation>%1 (حسب خط طول الموقع)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="44"/>
        <source>%1 contained an unexpected object.</source>
        <translation>يحتوي %1 على كائن غير متوقع.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="47"/>
        <source>%1 contains an incorrect schema.</source>
        <translation>يحتوي %1 على مخطط بيانات غير صحيح.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="164"/>
        <source>%1 geostationary objects in the file, %2 of them matched with the satellite database. Checked rows differ from their slot by more than 0.05%3.</source>
        <translation>عدد الأجسام الثابتة بالنسبة للأرض في الملف: %1، طوبق منها %2 مع قاعدة بيانات الأقمار. الصفوف المؤشَّر عليها يختلف موقعها الفعلي عن مدارها بأكثر من 0.05%3.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="41"/>
        <source>%1 has a bad format.</source>
        <translation>صيغة %1 غير صالحة.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="252"/>
        <source>%1 holds no geostationary object.</source>
        <translation>لا يحتوي %1 على أي جسم ثابت بالنسبة للأرض.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="537"/>
        <source>%1 holds no horizon points or obstacles.</source>
        <translation>لا يحتوي %1 على نقاط أفق أو عوائق.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="505"/>
        <source>%1 is too large for a horizon file.</source>
        <translation>%1 كبير جداً بالنسبة لملف أفق.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="252"/>
        <source>%1 places are listed, the most likely first.</source>
        <translation>عدد الأماكن المعروضة: %1، والأرجح أولاً.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="38"/>
        <source>%1 was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>تم تغيير %1 هنا وفي برنامج آخر منذ قراءة الملف.

هل تريد الاحتفاظ بالنسخة المعدّلة هنا؟</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/SiteData.cpp" line="168"/>
        <source>%1° E</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/SiteData.cpp" line="163"/>
        <source>%1° N</source>
        <translation>%1° N</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/SiteData.cpp" line="163"/>
        <source>%1° S</source>
        <translation>%1° S</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/SiteData.cpp" line="168"/>
        <source>%1° W</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="206"/>
        <source>%s was changed by another program. Overwrite it, or keep it and save yours under another name?</source>
        <translation>تم تغيير %s بواسطة برنامج آخر. هل تريد الكتابة فوقه، أم الإبقاء عليه وحفظ نسختك باسم آخر؟</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="67"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>تم تغيير %s هنا وفي برنامج آخر منذ قراءة الملف.

هل تريد الاحتفاظ بالنسخة المعدّلة هنا؟</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation>%s: %.2f°%s %.2f°%s، الانحراف %.1f°%s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="441"/>
        <source>&amp;About Tilvex...</source>
        <translation>&amp;حول Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="24"/>
        <source>&amp;Add Location(s) to Workspace	Ctrl+V</source>
        <translation>إ&amp;ضافة موقع أو أكثر إلى مساحة العمل	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="302"/>
        <source>&amp;Add Point...</source>
        <translation>إ&amp;ضافة نقطة...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>&amp;Add Satellite</source>
        <translation>إ&amp;ضافة قمر</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="25"/>
        <source>&amp;Add Satellite(s) to Workspace	Ctrl+V</source>
        <translation>إ&amp;ضافة قمر أو أكثر إلى مساحة العمل	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="393"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="573"/>
        <source>&amp;Add to Workspace</source>
        <translation>إ&amp;ضافة إلى مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="42"/>
        <source>&amp;All locations</source>
        <translation>&amp;كل المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="31"/>
        <source>&amp;Alphabetically</source>
        <translation>أ&amp;بجدياً</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>&amp;Azimuth (true, °):</source>
        <translation>ال&amp;سمت (حقيقي، °):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>&amp;Bearing (true, °):</source>
        <translation>الا&amp;تجاه (حقيقي، °):</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="20"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="48"/>
        <source>&amp;C</source>
        <translation>&amp;C</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="464"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="399"/>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;Current Location</source>
        <translation>ال&amp;موقع الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="21"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="49"/>
        <source>&amp;DBS</source>
        <translation>&amp;DBS</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>&amp;Degrees East</source>
        <translation>درج&amp;ات شرقاً</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="304"/>
        <source>&amp;Delete Point</source>
        <translation>&amp;حذف نقطة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>&amp;Detailed Report...</source>
        <translation>&amp;تقرير مفصّل...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="99"/>
        <source>&amp;Dish diameter (m):</source>
        <translation>&amp;قطر الطبق (م):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>&amp;Distance from the dish (m):</source>
        <translation>ال&amp;مسافة من الطبق (م):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="507"/>
        <source>&amp;Edit</source>
        <translation>ت&amp;حرير</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="95"/>
        <source>&amp;Edit Data...</source>
        <translation>&amp;تعديل البيانات...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="303"/>
        <source>&amp;Edit Point...</source>
        <translation>&amp;تعديل نقطة...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>&amp;Elevation (°):</source>
        <translation>الا&amp;رتفاع (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="356"/>
        <source>&amp;Export Look Angles...</source>
        <translation>&amp;تصدير زوايا التوجيه...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="483"/>
        <location filename="../src/ui/display/SkyView.cpp" line="459"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="108"/>
        <source>&amp;Find...</source>
        <translation>&amp;بحث...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="100"/>
        <source>&amp;Frequency (GHz):</source>
        <translation>ال&amp;تردد (GHz):</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation>خيارات ال&amp;جدول...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>&amp;Height above the dish (m):</source>
        <translation>ال&amp;علو فوق الطبق (م):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="519"/>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="429"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;موضوعات التعليمات</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="467"/>
        <source>&amp;Horizon...</source>
        <translation>&amp;الأفق...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="362"/>
        <source>&amp;Import Orbital Elements...</source>
        <translation>استيرا&amp;د العناصر المدارية...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="317"/>
        <source>&amp;Import...</source>
        <translation>ا&amp;ستيراد...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation>&amp;Ku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="775"/>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="102"/>
        <source>&amp;Local times:</source>
        <translation>التوقيت ال&amp;محلي:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="466"/>
        <source>&amp;Location</source>
        <translation>الم&amp;وقع</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>&amp;Location Name</source>
        <translation>ا&amp;سم الموقع</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="104"/>
        <source>&amp;Locator:</source>
        <translation>رمز &amp;مايدنهيد:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;Magnetic</source>
        <translation>م&amp;غناطيسي</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="84"/>
        <source>&amp;Magnetic Variation</source>
        <translation>الانحراف ال&amp;مغناطيسي</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Name</source>
        <translation>الا&amp;سم</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="314"/>
        <source>&amp;New Workspace</source>
        <translation>مساحة عمل &amp;جديدة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="320"/>
        <source>&amp;Open Workspace...</source>
        <translation>&amp;فتح مساحة عمل...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="300"/>
        <source>&amp;Points:</source>
        <translation>ال&amp;نقاط:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="338"/>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="101"/>
        <source>&amp;Region</source>
        <translation>الم&amp;نطقة</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="26"/>
        <source>&amp;Remove Location from Workspace	Ctrl+X or Del</source>
        <translation>إ&amp;زالة الموقع من مساحة العمل	Ctrl+X أو Del</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="23"/>
        <source>&amp;Remove Satellite from Workspace	Ctrl+X or Del</source>
        <translation>إ&amp;زالة القمر من مساحة العمل	Ctrl+X أو Del</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="387"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="568"/>
        <source>&amp;Remove from Workspace</source>
        <translation>إ&amp;زالة من مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="85"/>
        <source>&amp;Satellite of the selected object:</source>
        <translation>ال&amp;قمر المقابل للجسم المحدد:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="460"/>
        <source>&amp;Save Picture...</source>
        <translation>&amp;حفظ الصورة...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="326"/>
        <source>&amp;Save Workspace</source>
        <translation>&amp;حفظ مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="56"/>
        <source>&amp;Search:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="54"/>
        <source>&amp;Size</source>
        <translation>ال&amp;حجم</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="374"/>
        <source>&amp;Sky View</source>
        <translation>&amp;منظر السماء</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="40"/>
        <source>&amp;True</source>
        <translation>&amp;حقيقي</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="405"/>
        <source>&amp;Undo</source>
        <translation>ترا&amp;جع</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="109"/>
        <source>&amp;Update Slots</source>
        <translation>&amp;تحديث المدارات</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="515"/>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="41"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation>&amp;زيارة موقع Tilvex على الويب...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="435"/>
        <source>&amp;What's This?</source>
        <translation>ما &amp;هذا؟</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="112"/>
        <source>&amp;Whole World</source>
        <translation>العالم &amp;كله</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>&amp;Width (°):</source>
        <translation>العر&amp;ض (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="101"/>
        <source>&amp;Year:</source>
        <translation>ال&amp;سنة:</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="47"/>
        <source>(Magnetic)</source>
        <translation>(مغناطيسي)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(Magnetic):</source>
        <translation>(مغناطيسي):</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <source>(True)</source>
        <translation>(حقيقي)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(True):</source>
        <translation>(حقيقي):</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="194"/>
        <source>(no region)</source>
        <translation>(بلا منطقة)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="88"/>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="195"/>
        <source>(unknown region %1)</source>
        <translation>(منطقة غير معروفة %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="172"/>
        <source>-- (below the horizon)</source>
        <translation>-- (تحت الأفق)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="240"/>
        <source>... and %1 more</source>
        <translation>... و%1 أخرى</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="250"/>
        <source>1 place is listed.</source>
        <translation>عُرض مكان واحد.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="33"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation>&lt;b&gt;Tilvex&lt;/b&gt; الإصدار 0.1&lt;br&gt;زوايا توجيه أطباق الأقمار الصناعية.&lt;br&gt;حقوق النشر © 2026 مطورو Tilvex. جميع الحقوق محفوظة.&lt;br&gt;&lt;br&gt;الانحراف المغناطيسي من النموذج المغناطيسي العالمي 2025 (World Magnetic Model)&lt;br&gt;(NOAA NCEI وهيئة المسح الجيولوجي البريطانية؛&lt;br&gt;ملكية عامة في الولايات المتحدة).&lt;br&gt;&lt;br&gt;أسماء الأماكن: GeoNames (www.geonames.org)، CC BY 4.0.&lt;br&gt;الخريطة: مصنوعة باستخدام Natural Earth (ملكية عامة).</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="428"/>
        <source>A Maidenhead locator is two letters from A to R, two digits and optionally two letters from A to X, such as JP99 or JP99lp.</source>
        <translation>يتكون رمز مايدنهيد من حرفين من A إلى R، ثم رقمين، ثم اختيارياً حرفين من A إلى X، مثل JP99 أو JP99lp.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="829"/>
        <source>A database changed by another program was read again.</source>
        <translation>أُعيدت قراءة قاعدة بيانات غيّرها برنامج آخر.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="46"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation>مساحة عمل تُفتح بدلاً من آخر مساحة عمل مستخدمة.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="30"/>
        <source>About Tilvex</source>
        <translation>حول Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Actual</source>
        <translation>الفعلي</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Add Locat&amp;ion</source>
        <translation>إضافة م&amp;وقع</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="313"/>
        <source>Add Obs&amp;tacle...</source>
        <translation>إضا&amp;فة عائق...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="463"/>
        <source>Add Obstacle</source>
        <translation>إضافة عائق</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="432"/>
        <source>Add Point</source>
        <translation>إضافة نقطة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="396"/>
        <source>Add the selected database entries to the workspace</source>
        <translation>إضافة عناصر قاعدة البيانات المحددة إلى مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="319"/>
        <source>Adds the points and obstacles of a horizon file: lines "azimuth,elevation" and "obstacle,bearing,height,distance,width".</source>
        <translation>يضيف نقاط ملف أفق وعوائقه: أسطر بالشكل "السمت,الارتفاع" وأسطر بالشكل "obstacle,الاتجاه,العلو,المسافة,العرض".</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="15"/>
        <source>Africa</source>
        <translation>أفريقيا</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Age</source>
        <translation>العمر</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="46"/>
        <source>Aiming</source>
        <translation>التوجيه</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="69"/>
        <location filename="../src/ui/printing/AimPrinting.cpp" line="30"/>
        <source>Aiming Sheet</source>
        <translation>ورقة التوجيه</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="35"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>جرت محاولة للوصول إلى %1 بعد نهايته.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="38"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation>جرت محاولة للقراءة من %1 المفتوح للكتابة.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="32"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation>جرت محاولة للكتابة إلى %1 المفتوح للقراءة.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="29"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>حدث خطأ غير معروف أثناء الوصول إلى %1.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="55"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation>هل أنت متأكد من حذف الموقع %s؟</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation>هل أنت متأكد من حذف القمر %s؟</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="16"/>
        <source>Asia</source>
        <translation>آسيا</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="20"/>
        <source>Asia &amp; South Pacific</source>
        <translation>آسيا وجنوب المحيط الهادئ</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation>يجب تحديد خانة نطاق واحدة على الأقل.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="73"/>
        <source>At least one band must be selected.</source>
        <translation>يجب تحديد نطاق واحد على الأقل.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="230"/>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="38"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="45"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>Azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <location filename="../src/core/display/SkyViewGeometry.cpp" line="565"/>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>Azimuth </source>
        <translation>السمت </translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="72"/>
        <source>Azimuth (Magnetic):</source>
        <translation>السمت (مغناطيسي):</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="27"/>
        <source>Azimuth (magnetic)</source>
        <translation>السمت (مغناطيسي)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="26"/>
        <source>Azimuth (true)</source>
        <translation>السمت (حقيقي)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Azimuth (°)</source>
        <translation>السمت (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation>مرشح النطاقات</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation>مرشح النطاقات:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="46"/>
        <source>Band(s)</source>
        <translation>النطاقات</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation>النطاقات</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Bands:</source>
        <translation>النطاقات:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>Bearing</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Bearing (°)</source>
        <translation>الاتجاه (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="30"/>
        <source>By &amp;Orbital Slot</source>
        <translation>حسب ال&amp;مدار</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="991"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="56"/>
        <location filename="../src/ui/display/LocationPane.cpp" line="62"/>
        <source>Calculate Look Angles For:</source>
        <translation>حساب زوايا التوجيه للموقع:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation>حساب الانحراف &amp;تلقائياً</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="221"/>
        <source>Cannot read %1: %2</source>
        <translation>تتعذر قراءة %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="337"/>
        <source>Choose a location first.</source>
        <translation>اختر موقعاً أولاً.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="383"/>
        <source>Choose the printer and its options</source>
        <translation>اختيار الطابعة وخياراتها</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="42"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation>يحدد النطاقات المعروضة، وترتيب الصفوف، والسمت الحقيقي أو المغناطيسي، وما إذا كان المدار يُعرض بعد الاسم.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>Cl&amp;ose</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="239"/>
        <source>Clearance</source>
        <translation>هامش الأفق</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>Clearance:</source>
        <translation>هامش الأفق:</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="75"/>
        <source>Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + and - to zoom, Home to see the whole world again; Space picks the point in the middle.</source>
        <translation>انقر على الخريطة لاختيار نقطة. اسحب الخريطة أو استخدم مفاتيح الأسهم لتحريكها، وعجلة الفأرة أو + و - للتكبير والتصغير، وHome لرؤية العالم كله مجدداً؛ ومفتاح المسافة (Space) يختار النقطة التي في الوسط.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Co&amp;mments</source>
        <translation>م&amp;لاحظات</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="81"/>
        <source>Comments:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="500"/>
        <source>Could not read %1: %2</source>
        <translation>تعذرت قراءة %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1024"/>
        <location filename="../src/ui/display/SkyView.cpp" line="541"/>
        <source>Could not write %1.</source>
        <translation>تعذرت كتابة %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="565"/>
        <source>Could not write %1: %2</source>
        <translation>تعذرت كتابة %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/geomag/GeomagModel.cpp" line="350"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation>تعذر العثور على %s.  لا يمكن حساب الانحراف المغناطيسي.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/SplashWnd.cpp" line="21"/>
        <source>Couldn't load bitmap from file.</source>
        <translation>تعذر تحميل الصورة من الملف.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Coverage &amp;Region</source>
        <translation>منطقة ال&amp;تغطية</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="73"/>
        <source>Coverage Region</source>
        <translation>منطقة التغطية</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="317"/>
        <source>Create a new workspace</source>
        <translation>إنشاء مساحة عمل جديدة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Current location</source>
        <translation>الموقع الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Date (UTC)</source>
        <translation>التاريخ (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>De&amp;grees West</source>
        <translation>&amp;درجات غرباً</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>De&amp;lete</source>
        <translation>ح&amp;ذف</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="61"/>
        <source>Degrees &amp;East</source>
        <translation>درجات شر&amp;قاً</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;North</source>
        <translation>درجات &amp;شمالاً</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;South</source>
        <translation>درجات &amp;جنوباً</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="62"/>
        <source>Degrees &amp;West</source>
        <translation>درجات غ&amp;رباً</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="35"/>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Dele&amp;te</source>
        <translation>ح&amp;ذف</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="315"/>
        <source>Delete Ob&amp;stacle</source>
        <translation>ح&amp;ذف عائق</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="29"/>
        <source>Dish face tilt</source>
        <translation>ميل وجه الطبق</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="59"/>
        <source>Dish o&amp;ffset:</source>
        <translation>زاوية الأو&amp;فست:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="47"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation>إ&amp;ظهار المدار مع اسم القمر</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>Distance</source>
        <translation>المسافة</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Distance (m)</source>
        <translation>المسافة (م)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="53"/>
        <source>Do you want to save changes to %s?</source>
        <translation>هل تريد حفظ التغييرات في %s؟</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Drift</source>
        <translation>الانجراف</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="321"/>
        <source>E&amp;xport...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="65"/>
        <source>Each geostationary object of the file and the satellite of the database it was matched with. Checked rows get the object's longitude as their slot.</source>
        <translation>كل جسم ثابت بالنسبة للأرض في الملف، والقمر الذي طوبق معه من قاعدة البيانات. تأخذ الصفوف المؤشَّر عليها خط طول الجسم قيمةً لمدارها.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="417"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="585"/>
        <source>Edit &amp;Location Data...</source>
        <translation>تعديل بيانات ال&amp;موقع...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="411"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="580"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation>تعديل بيانات ال&amp;قمر...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="73"/>
        <source>Edit Location Database</source>
        <translation>تعديل قاعدة بيانات المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="314"/>
        <source>Edit Obstac&amp;le...</source>
        <translation>تعد&amp;يل عائق...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="475"/>
        <source>Edit Obstacle</source>
        <translation>تعديل عائق</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="444"/>
        <source>Edit Point</source>
        <translation>تعديل نقطة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation>تعديل قاعدة بيانات الأقمار</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="579"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="584"/>
        <source>Edit data for </source>
        <translation>تعديل بيانات </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="469"/>
        <source>Edit the horizon of the current location: its points and obstacles</source>
        <translation>تعديل أفق الموقع الحالي: نقاطه وعوائقه</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="420"/>
        <source>Edit the location database</source>
        <translation>تعديل قاعدة بيانات المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="414"/>
        <source>Edit the satellite database</source>
        <translation>تعديل قاعدة بيانات الأقمار</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation>يجب اختيار الشرق أو الغرب.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="25"/>
        <location filename="../src/core/reports/Report.cpp" line="236"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="53"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Elevation (°)</source>
        <translation>الارتفاع (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="71"/>
        <source>Elevation:</source>
        <translation>الارتفاع:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>End (UTC)</source>
        <translation>النهاية (UTC)</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="13"/>
        <source>Europe</source>
        <translation>أوروبا</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="19"/>
        <source>Europe, Africa &amp; Middle East</source>
        <translation>أوروبا وأفريقيا والشرق الأوسط</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Every location of the workspace</source>
        <translation>كل مواقع مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="438"/>
        <source>Explain the next item clicked</source>
        <translation>شرح العنصر الذي يُنقر عليه تالياً</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="556"/>
        <source>Export Horizon</source>
        <translation>تصدير الأفق</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="989"/>
        <source>Export Look Angles</source>
        <translation>تصدير زوايا التوجيه</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation>فشل فتح المستند.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation>فشل حفظ المستند.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="259"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation>الملف %s مفقود أو تالف.
سيتم فتح مساحة عمل فارغة.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="53"/>
        <source>Find Place</source>
        <translation>البحث عن مكان</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="426"/>
        <source>Find a town by name or on the map and add it to the location database</source>
        <translation>البحث عن بلدة بالاسم أو على الخريطة وإضافتها إلى قاعدة بيانات المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="49"/>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="31"/>
        <source>GotoX command</source>
        <translation>أمر GotoX</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>Height</source>
        <translation>العلو</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Height (m)</source>
        <translation>العلو (م)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="121"/>
        <source>Hori&amp;zon...</source>
        <translation>الأ&amp;فق...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="285"/>
        <source>Horizon</source>
        <translation>الأفق</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="495"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="557"/>
        <source>Horizon Files (*.csv *.txt);;All Files (*)</source>
        <translation>ملفات الأفق (*.csv *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Horizon points</source>
        <translation>نقاط الأفق</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="64"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation>إذا أردت زيارة صفحة Tilvex على الويب، فانتقل إلى </translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="494"/>
        <source>Import Horizon</source>
        <translation>استيراد الأفق</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="368"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="49"/>
        <source>Import Orbital Elements</source>
        <translation>استيراد العناصر المدارية</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Inclination</source>
        <translation>الميل</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="52"/>
        <source>Invalid magnetic variation.</source>
        <translation>انحراف مغناطيسي غير صالح.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="47"/>
        <source>K&amp;u</source>
        <translation>K&amp;u</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep Mine</source>
        <translation>الاحتفاظ بنسختي</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep the Other</source>
        <translation>الاحتفاظ بالأخرى</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation>حفظ الإعدادات في FILE.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="78"/>
        <source>L&amp;atitude</source>
        <translation>خط ال&amp;عرض</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="80"/>
        <source>L&amp;ongitude</source>
        <translation>خط ال&amp;طول</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="237"/>
        <source>LNB Skew</source>
        <translation>إمالة LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="74"/>
        <source>LNB Skew:</source>
        <translation>إمالة LNB:</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="28"/>
        <source>LNB skew</source>
        <translation>إمالة LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="88"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="88"/>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="87"/>
        <source>Latitude:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Least Angle</source>
        <translation>أصغر زاوية</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Local Date</source>
        <translation>التاريخ المحلي</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local End</source>
        <translation>النهاية المحلية</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Peak</source>
        <translation>الذروة المحلية</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Start</source>
        <translation>البداية المحلية</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="49"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation>الموقع %s موجود بالفعل.  احفظه باسم جديد.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="53"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation>قاعدة بيانات المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>Location Name</source>
        <translation>اسم الموقع</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="67"/>
        <source>Location Name:</source>
        <translation>اسم الموقع:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="53"/>
        <source>Location Pane</source>
        <translation>لوحة المواقع</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="51"/>
        <source>Location must have a name.</source>
        <translation>يجب أن يكون للموقع اسم.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="50"/>
        <source>Location must have a region selected.</source>
        <translation>يجب اختيار منطقة للموقع.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="67"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="76"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="17"/>
        <source>Locations</source>
        <translation>المواقع</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="92"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="90"/>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="89"/>
        <source>Longitude:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="990"/>
        <location filename="../src/ui/display/TilvexView.cpp" line="58"/>
        <source>Look Angles</source>
        <translation>زوايا التوجيه</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/ui/printing/ReportPdf.cpp" line="42"/>
        <source>Look angles</source>
        <translation>زوايا التوجيه</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="44"/>
        <source>Look angles for satellite dishes.</source>
        <translation>زوايا توجيه أطباق الأقمار الصناعية.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="65"/>
        <source>Look angles from</source>
        <translation>زوايا التوجيه من</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <source>Look angles from:</source>
        <translation>زوايا التوجيه من:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Magnetic Variation</source>
        <translation>الانحراف المغناطيسي</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="292"/>
        <source>Magnetic Variation: </source>
        <translation>الانحراف المغناطيسي: </translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Maiden&amp;head Locator</source>
        <translation>رم&amp;ز مايدنهيد</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="112"/>
        <source>Maidenhead Locator</source>
        <translation>رمز مايدنهيد</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="105"/>
        <source>Maidenhead locator</source>
        <translation>رمز مايدنهيد</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="58"/>
        <source>Matched satellites</source>
        <translation>الأقمار المطابقة</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="14"/>
        <source>Middle East</source>
        <translation>الشرق الأوسط</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="30"/>
        <source>Motor angle</source>
        <translation>زاوية الموتور</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="32"/>
        <source>Motor axis elevation</source>
        <translation>ارتفاع محور الموتور</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="33"/>
        <source>Motor declination</source>
        <translation>زاوية ميل الموتور</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="69"/>
        <source>Names hold at most %1 characters.</source>
        <translation>الحد الأقصى لطول الأسماء %1 من الأحرف.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="423"/>
        <source>New Location from &amp;Place...</source>
        <translation>موقع جديد من م&amp;كان...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="447"/>
        <source>Next Pane</source>
        <translation>اللوحة التالية</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="23"/>
        <location filename="../src/core/workspace/Archive.cpp" line="26"/>
        <source>No error occurred.</source>
        <translation>لم يحدث أي خطأ.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="80"/>
        <source>No location</source>
        <translation>لا يوجد موقع</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="243"/>
        <source>No place is called "%1".</source>
        <translation>لا يوجد مكان باسم "%1".</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="114"/>
        <source>No point picked</source>
        <translation>لم تُختر أي نقطة</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="18"/>
        <source>North &amp; South America</source>
        <translation>أمريكا الشمالية والجنوبية</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="11"/>
        <source>North America</source>
        <translation>أمريكا الشمالية</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="311"/>
        <source>O&amp;bstacles:</source>
        <translation>ال&amp;عوائق:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Object</source>
        <translation>الجسم</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="307"/>
        <source>Obstacles</source>
        <translation>العوائق</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <source>Open Workspace</source>
        <translation>فتح مساحة عمل</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="323"/>
        <source>Open an existing workspace</source>
        <translation>فتح مساحة عمل موجودة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Orbit:</source>
        <translation>المسار المداري:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>Orbital &amp;Slot</source>
        <translation>ال&amp;مدار</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="60"/>
        <source>Orbital Slot</source>
        <translation>المدار</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="369"/>
        <source>Orbital elements (*.tle *.txt *.csv);;All files (*)</source>
        <translation>العناصر المدارية (*.tle *.txt *.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="106"/>
        <source>Outage days</source>
        <translation>أيام التداخل</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Overwrite</source>
        <translation>الكتابة فوقه</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="380"/>
        <source>P&amp;rint Setup...</source>
        <translation>إ&amp;عداد الطابعة...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="534"/>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>صور PNG (*.png);;صور SVG (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="172"/>
        <source>Page %d of %d</source>
        <translation>الصفحة %d من %d</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="36"/>
        <source>Path loss</source>
        <translation>فقد المسار</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Peak (UTC)</source>
        <translation>الذروة (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="165"/>
        <source>Pick the site on the map or type its locator.</source>
        <translation>اختر الموقع على الخريطة أو اكتب رمز مايدنهيد الخاص به.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="112"/>
        <source>Picked point: %1, %2</source>
        <translation>النقطة المختارة: %1، %2</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="64"/>
        <source>Places</source>
        <translation>الأماكن</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="102"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation>يرجى إدخال رقم بين %s و%s في حقل %s.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="98"/>
        <source>Please enter a number for the %s.</source>
        <translation>يرجى إدخال رقم في حقل %s.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="160"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation>يرجى إدخال رقم لقطر الطبق ورقم للتردد.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="107"/>
        <source>Please enter no more than %d characters.</source>
        <translation>يرجى ألا يتجاوز الإدخال %d من الأحرف.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="291"/>
        <source>Points are joined by straight lines around the circle.  An obstacle raises the horizon to the angle of its top over its width, centred on its bearing.</source>
        <translation>تُوصل النقاط بخطوط مستقيمة حول الدائرة.  ويرفع العائق الأفق إلى زاوية قمته على امتداد عرضه، متمركزاً على اتجاهه.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="453"/>
        <source>Previous Pane</source>
        <translation>اللوحة السابقة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="350"/>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="61"/>
        <source>Print &amp;Aiming Sheet...</source>
        <translation>طباعة &amp;ورقة التوجيه...</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="38"/>
        <source>Print Options</source>
        <translation>خيارات الطباعة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="344"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;معاينة الطباعة</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>Print look angles for:</source>
        <translation>طباعة زوايا التوجيه من:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="341"/>
        <source>Print the look angles</source>
        <translation>طباعة زوايا التوجيه</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="353"/>
        <source>Print the look angles without asking</source>
        <translation>طباعة زوايا التوجيه دون سؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation>عرض رقم الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation>عرض طريقة الاستخدام هذه ثم الخروج.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>Quit Tilvex</source>
        <translation>إنهاء Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="365"/>
        <source>Read a TLE or OMM CSV file and bring the satellites' slots to where they really are</source>
        <translation>قراءة ملف TLE أو OMM CSV وتحديث مدارات الأقمار إلى مواقعها الفعلية</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation>قراءة ملفات البيانات وكتابتها في DIR.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="148"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="721"/>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="104"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Region</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="390"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation>إزالة القمر أو الموقع المحدد من مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="98"/>
        <source>S&amp;un Outages...</source>
        <translation>التداخل ال&amp;شمسي...</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/RecordEditorDlg.cpp" line="40"/>
        <source>Sa&amp;ve</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="223"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="44"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="45"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation>القمر %s موجود بالفعل.  احفظه باسم جديد.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite &amp;Name</source>
        <translation>ا&amp;سم القمر</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation>قاعدة بيانات الأقمار</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="49"/>
        <source>Satellite Details</source>
        <translation>تفاصيل القمر</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="56"/>
        <source>Satellite Grid</source>
        <translation>جدول الأقمار</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation>خيارات جدول الأقمار</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="23"/>
        <source>Satellite Info Pane</source>
        <translation>لوحة معلومات القمر</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation>لوحة قائمة الأقمار</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite Name</source>
        <translation>اسم القمر</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="47"/>
        <source>Satellite must have a name.</source>
        <translation>يجب أن يكون للقمر اسم.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a region selected.</source>
        <translation>يجب اختيار منطقة للقمر.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Satellite:</source>
        <translation>القمر:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="144"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="21"/>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Save Again</source>
        <translation>الحفظ مجدداً</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Save Picture</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Save Under Another Name...</source>
        <translation>الحفظ باسم آخر...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="332"/>
        <source>Save Workspace &amp;As...</source>
        <translation>حفظ مساحة العمل &amp;باسم...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="182"/>
        <source>Save Workspace As</source>
        <translation>حفظ مساحة العمل باسم</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="234"/>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="335"/>
        <source>Save the new location first: a horizon belongs to a saved location.</source>
        <translation>احفظ الموقع الجديد أولاً: الأفق يخص موقعاً محفوظاً.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="462"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation>حفظ منظر السماء كصورة PNG أو SVG</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="329"/>
        <source>Save the workspace</source>
        <translation>حفظ مساحة العمل</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="335"/>
        <source>Save the workspace under a new name</source>
        <translation>حفظ مساحة العمل باسم جديد</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="57"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="37"/>
        <source>Shadow time</source>
        <translation>وقت الظل</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="38"/>
        <source>Shadow time (local)</source>
        <translation>وقت الظل (محلي)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="104"/>
        <source>Show &amp;objects without a satellite</source>
        <translation>إظهار الأجسام ب&amp;دون قمر</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="377"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation>إظهار قوس الأقمار الثابتة بالنسبة للأرض في سماء الموقع الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="432"/>
        <source>Show the help</source>
        <translation>عرض التعليمات</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="347"/>
        <source>Show the printed pages</source>
        <translation>عرض الصفحات المطبوعة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="444"/>
        <source>Show the program's version</source>
        <translation>عرض إصدار البرنامج</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="41"/>
        <source>Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar).</source>
        <translation>عرض النوافذ باللغة CODE (en, de, es, fr, it, pl, tr, ar).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="786"/>
        <source>Show the windows in this language the next time Tilvex starts</source>
        <translation>عرض النوافذ بهذه اللغة عند تشغيل Tilvex في المرة القادمة</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation>يعرض قاعدة بيانات المواقع حسب المنطقة.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation>يعرض قاعدة بيانات الأقمار حسب منطقة التغطية.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="44"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation>يعرض بيانات القمر المحدد وزوايا توجيهه من الموقع الحالي.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="288"/>
        <source>Site Latitude: </source>
        <translation>خط عرض الموقع: </translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="290"/>
        <source>Site Longitude: </source>
        <translation>خط طول الموقع: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="455"/>
        <location filename="../src/ui/display/SkyView.cpp" line="470"/>
        <location filename="../src/ui/display/SkyView.cpp" line="516"/>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Sky View</source>
        <translation>منظر السماء</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="34"/>
        <source>Slant range</source>
        <translation>المسافة المائلة</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="229"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Slot</source>
        <translation>المدار</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="48"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation>يجب أن تكون قيمة المدار بين 0 و360.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="75"/>
        <source>Slot:</source>
        <translation>المدار:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="38"/>
        <source>Some horizons could not be read; the lines stay in the file as they are:</source>
        <translation>تعذرت قراءة بعض الآفاق؛ وتبقى أسطرها في الملف كما هي:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="31"/>
        <source>Some imported orbits could not be read; the lines stay in the file as they are:</source>
        <translation>تعذرت قراءة بعض العناصر المدارية المستوردة؛ وتبقى أسطرها في الملف كما هي:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="29"/>
        <source>Sort Satellites</source>
        <translation>ترتيب الأقمار</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="12"/>
        <source>South America</source>
        <translation>أمريكا الجنوبية</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="17"/>
        <source>South Pacific</source>
        <translation>جنوب المحيط الهادئ</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="535"/>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Start (UTC)</source>
        <translation>البداية (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation>البدء دون صورة الافتتاح.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="59"/>
        <source>Sun Outages</source>
        <translation>التداخل الشمسي</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="790"/>
        <source>System Default</source>
        <translation>افتراضي النظام</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="109"/>
        <source>The Maidenhead locator of the point ("JP99lp"). Type a locator of four or six characters to move the point to the middle of its square.</source>
        <translation>رمز مايدنهيد للنقطة ("JP99lp"). اكتب رمزاً من أربعة أحرف أو ستة لنقل النقطة إلى منتصف مربعه.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation>النطاقات التي يعرض الجدول أقمارها. يمكن تغييرها من خيارات الجدول.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="95"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation>الساعة التي تتبعها الأعمدة المحلية: ساعة هذا الحاسوب، أو فارق ثابت عن UTC مثل فارق الموقع نفسه.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="56"/>
        <source>The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish</source>
        <translation>زاوية أوفست الطبق بالدرجات: 22.6 لطبق الأوفست المعتاد، و0 لطبق البؤرة المركزية</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="246"/>
        <source>The first %1 places are listed, the most likely first; type more of the name to find others.</source>
        <translation>عُرضت أول %1 من الأماكن، والأرجح أولاً؛ اكتب مزيداً من الاسم للعثور على غيرها.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="61"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.  The location's horizon is the brown silhouette; drag its points to change it.</source>
        <translation>قوس الأقمار الثابتة بالنسبة للأرض كما يُرى من الموقع الحالي: الشمال في الأعلى، والأفق عند الحافة، وسمت الرأس في المركز.  انقر على قمر لجعله القمر الحالي.  أفق الموقع هو الشكل البني؛ اسحب نقاطه لتغييره.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="287"/>
        <source>The horizon at %1</source>
        <translation>الأفق في %1</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="299"/>
        <source>The horizon's outline: true azimuths with the elevation of the horizon there.</source>
        <translation>محيط الأفق: زوايا سمت حقيقية مع ارتفاع الأفق عند كل منها.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="55"/>
        <source>The horizons could not be saved:</source>
        <translation>تعذر حفظ الآفاق:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="57"/>
        <source>The imported orbits could not be saved:</source>
        <translation>تعذر حفظ العناصر المدارية المستوردة:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="802"/>
        <source>The language could not be kept in the settings file.</source>
        <translation>تعذر حفظ اللغة في ملف الإعدادات.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="167"/>
        <source>The list of places (%1) is not in the data folder, so places cannot be found by name.</source>
        <translation>قائمة الأماكن (%1) غير موجودة في مجلد البيانات، لذا لا يمكن البحث عن الأماكن بالاسم.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="173"/>
        <source>The list of places cannot be read (%1), so places cannot be found by name.</source>
        <translation>تتعذر قراءة قائمة الأماكن (%1)، لذا لا يمكن البحث عن الأماكن بالاسم.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="123"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation>تعذر حفظ قاعدة بيانات المواقع: %s

هل تريد الحفظ مجدداً أم التجاهل؟</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="64"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation>الموقع الذي يعرض الجدول زوايا التوجيه منه. اختر موقعاً آخر من القائمة أدناه.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationTree.cpp" line="10"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>المواقع المتاحة للاختيار، حسب المنطقة. اسحب موقعاً (أو منطقة) إلى مساحة العمل، أو حدده واختر تحرير &gt; إضافة إلى مساحة العمل. انقر نقراً مزدوجاً على موقع لتعديل بياناته.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="152"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation>زوايا توجيه أقمار مساحة العمل من الموقع الحالي: السمت والارتفاع؛ وتعني "--" أن القمر تحت الأفق.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="58"/>
        <source>The name of a town or city near the site</source>
        <translation>اسم بلدة أو مدينة قريبة من الموقع</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="336"/>
        <source>The obstacles and the horizon seen from this location</source>
        <translation>العوائق والأفق كما تُرى من هذا الموقع</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="120"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation>تعذر حفظ قاعدة بيانات الأقمار: %s

هل تريد الحفظ مجدداً أم التجاهل؟</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="24"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation>القمر المحدد في الجدول: اسمه ومداره ونطاقاته.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="10"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>الأقمار المتاحة للاختيار، حسب منطقة التغطية. اسحب قمراً (أو منطقة) إلى مساحة العمل، أو حدده واختر تحرير &gt; إضافة إلى مساحة العمل. انقر نقراً مزدوجاً على قمر لتعديل بياناته.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1005"/>
        <source>The workspace has no location to export.</source>
        <translation>لا تحتوي مساحة العمل على أي موقع للتصدير.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="70"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation>مواقع مساحة العمل. انقر على موقع لحساب زوايا التوجيه منه.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="183"/>
        <source>The world map (%1) is not in the data folder: only the lines of latitude and longitude are shown.</source>
        <translation>خريطة العالم (%1) غير موجودة في مجلد البيانات: تُعرض خطوط العرض والطول فقط.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="188"/>
        <source>The world map cannot be read (%1): only the lines of latitude and longitude are shown.</source>
        <translation>تتعذر قراءة خريطة العالم (%1): تُعرض خطوط العرض والطول فقط.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="244"/>
        <source>These lines of %1 were not imported; the rest of the file was:</source>
        <translation>لم تُستورد هذه الأسطر من %1؛ واستُورد باقي الملف:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="82"/>
        <source>This computer's time (%1)</source>
        <translation>توقيت هذا الحاسوب (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation>تعليمات Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="54"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation>لا يستطيع Tilvex تخزين بعض الأحرف في حقل %s.  استخدم أحرف أوروبا الغربية والأرقام والرموز فقط.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="63"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation>تعذر على Tilvex العثور على متصفحك.  </translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="806"/>
        <source>Tilvex will show its windows in %1 the next time it starts.</source>
        <translation>سيعرض Tilvex نوافذه باللغة %1 عند تشغيله في المرة القادمة.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="308"/>
        <source>Trees and buildings as measured from the dish: the true bearing of the middle, the height above the dish, the distance and the width in degrees.</source>
        <translation>الأشجار والمباني كما تُقاس من الطبق: الاتجاه الحقيقي لمنتصفها، وعلوها فوق الطبق، والمسافة، والعرض بالدرجات.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="217"/>
        <source>Type the name of a town or city near the site, or pick the site on the map.</source>
        <translation>اكتب اسم بلدة أو مدينة قريبة من الموقع، أو اختر الموقع على الخريطة.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="138"/>
        <source>Unable to create %s</source>
        <translation>تعذر إنشاء %s</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="113"/>
        <source>Unable to open %s</source>
        <translation>تعذر فتح %s</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation>صيغة ملف غير متوقعة.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/TilvexDoc.h" line="48"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation>صيغة ملف غير متوقعة.
سيتم فتح مساحة عمل فارغة.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="294"/>
        <source>Updated:  </source>
        <translation>آخر تحديث:  </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="50"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation>يبيّن ما إذا كانت زوايا السمت تُقاس من الشمال المغناطيسي، كما تُظهره البوصلة، أو من الشمال الحقيقي، كما تُظهره الخريطة. يمكن تغيير ذلك من خيارات الجدول.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Width (°)</source>
        <translation>العرض (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <location filename="../src/ui/app/TilvexApp.cpp" line="183"/>
        <source>Workspace Files(*.wrk)</source>
        <translation>ملفات مساحة العمل (*.wrk)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="293"/>
        <source>Workspace: </source>
        <translation>مساحة العمل: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/TilvexView.cpp" line="103"/>
        <source>Workspace:  </source>
        <translation>مساحة العمل:  </translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="73"/>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="359"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation>كتابة زوايا التوجيه في الجدول إلى ملف CSV</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>back</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>bearing</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="197"/>
        <source>blocked by the horizon by %1</source>
        <translation>يحجبه الأفق بمقدار %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="155"/>
        <source>cannot use the data folder %1</source>
        <translation>لا يمكن استخدام مجلد البيانات %1</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="161"/>
        <source>comments</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>distance</source>
        <translation>المسافة</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>height</source>
        <translation>العلو</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="271"/>
        <source>latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="136"/>
        <source>location database not saved: %s</source>
        <translation>لم تُحفظ قاعدة بيانات المواقع: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="262"/>
        <source>location name</source>
        <translation>اسم الموقع</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="267"/>
        <source>longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="269"/>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="33"/>
        <source>none</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="839"/>
        <source>not saved</source>
        <translation>غير محفوظ</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="71"/>
        <source>only one workspace can be opened</source>
        <translation>لا يمكن فتح أكثر من مساحة عمل واحدة</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="164"/>
        <source>orbital slot</source>
        <translation>المدار</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="135"/>
        <source>satellite database not saved: %s</source>
        <translation>لم تُحفظ قاعدة بيانات الأقمار: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="159"/>
        <source>satellite name</source>
        <translation>اسم القمر</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="146"/>
        <source>the dish diameter must be greater than 0 metres</source>
        <translation>يجب أن يكون قطر الطبق أكبر من 0 متر</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="152"/>
        <source>the dish is too small for this frequency: its beam would reach more than 45 degrees from the satellite</source>
        <translation>الطبق صغير جداً بالنسبة لهذا التردد: ستمتد حزمته إلى أكثر من 45 درجة بعيداً عن القمر</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="148"/>
        <source>the frequency must be greater than 0 GHz</source>
        <translation>يجب أن يكون التردد أكبر من 0 GHz</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="174"/>
        <source>the settings file %1 is not used: %2</source>
        <translation>ملف الإعدادات %1 غير مستخدم: %2</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="150"/>
        <source>the year must be from 1900 to 2100</source>
        <translation>يجب أن تكون السنة من 1900 إلى 2100</translation>
    </message>
    <message>
        <location filename="../src/ui/app/main.cpp" line="38"/>
        <source>there is no translation for "%1"; the languages are %2</source>
        <translation>لا توجد ترجمة لـ "%1"؛ اللغات المتاحة: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>width</source>
        <translation>العرض</translation>
    </message>
</context>
</TS>
