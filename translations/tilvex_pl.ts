<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="28"/>
        <source> (automatic)</source>
        <translation> (automatyczna)</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="25"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation> (automatyczna; model magnetyczny obowiązuje w latach %.0f–%.0f)</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.h" line="21"/>
        <source> (seen from behind the dish)</source>
        <translation> (patrząc zza anteny)</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> East</source>
        <translation> na wschód</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="23"/>
        <source> East to
180</source>
        <translation> długości wschodniej do
180</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> West</source>
        <translation> na zachód</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="24"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation> długości zachodniej.  Większe wartości zostaną przeliczone
na ten zapis, a oznaczenia wschodu i zachodu
odpowiednio zamienione.</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> clockwise</source>
        <translation> zgodnie z zegarem</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> counter-clockwise</source>
        <translation> przeciwnie do zegara</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="22"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation> używa pozycji orbitalnych w zakresie od 180</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Nie można znaleźć tego pliku.
Proszę sprawdzić, czy podano prawidłową ścieżkę i nazwę pliku.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="533"/>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="548"/>
        <source>%1
These lines were left out; the rest of the file was imported.</source>
        <translation>%1
Te wiersze pominięto; resztę pliku zaimportowano.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="61"/>
        <source>%1 (%2) from %3</source>
        <translation>%1 (%2) z lokalizacji %3</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (blocked)</source>
        <translation>%1 (zasłonięty)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (clear)</source>
        <translation>%1 (widoczny)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="88"/>
        <source>%1 (the site's longitude)</source>
        <translation>%1 (wg długości geogr. lokalizacji)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="44"/>
        <source>%1 contained an unexpected object.</source>
        <translation>Plik %1 zawierał nieoczekiwany obiekt.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="47"/>
        <source>%1 contains an incorrect schema.</source>
        <translation>Plik %1 zawiera nieprawidłowy schemat.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="164"/>
        <source>%1 geostationary objects in the file, %2 of them matched with the satellite database. Checked rows differ from their slot by more than 0.05%3.</source>
        <translation>Obiekty geostacjonarne w pliku: %1, z czego %2 dopasowano do bazy satelitów. Zaznaczone wiersze różnią się od swojej pozycji o ponad 0.05%3.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="41"/>
        <source>%1 has a bad format.</source>
        <translation>Plik %1 ma nieprawidłowy format.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="252"/>
        <source>%1 holds no geostationary object.</source>
        <translation>Plik %1 nie zawiera żadnego obiektu geostacjonarnego.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="537"/>
        <source>%1 holds no horizon points or obstacles.</source>
        <translation>Plik %1 nie zawiera punktów horyzontu ani przeszkód.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="505"/>
        <source>%1 is too large for a horizon file.</source>
        <translation>Plik %1 jest za duży jak na plik horyzontu.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="252"/>
        <source>%1 places are listed, the most likely first.</source>
        <translation>Znalezione miejscowości: %1, najbardziej prawdopodobne na początku.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="38"/>
        <source>%1 was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>Satelita %1 został zmieniony tutaj i przez inny program od czasu odczytania pliku.

Zachować wersję zmienioną tutaj?</translation>
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
        <translation>Plik %s został zmieniony przez inny program. Zastąpić go czy zachować i zapisać swoją wersję pod inną nazwą?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="67"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>Wpis %s został zmieniony tutaj i przez inny program od czasu odczytania pliku.

Zachować wersję zmienioną tutaj?</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation>%s: %.2f°%s %.2f°%s, deklinacja %.1f°%s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="441"/>
        <source>&amp;About Tilvex...</source>
        <translation>&amp;O programie Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="24"/>
        <source>&amp;Add Location(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Dodaj lokalizacje do obszaru roboczego	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="302"/>
        <source>&amp;Add Point...</source>
        <translation>&amp;Dodaj punkt...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>&amp;Add Satellite</source>
        <translation>Dodaj sa&amp;telitę</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="25"/>
        <source>&amp;Add Satellite(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Dodaj satelity do obszaru roboczego	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="393"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="573"/>
        <source>&amp;Add to Workspace</source>
        <translation>&amp;Dodaj do obszaru roboczego</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="42"/>
        <source>&amp;All locations</source>
        <translation>&amp;Wszystkie lokalizacje</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="31"/>
        <source>&amp;Alphabetically</source>
        <translation>&amp;Alfabetycznie</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>&amp;Azimuth (true, °):</source>
        <translation>&amp;Azymut (geogr., °):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>&amp;Bearing (true, °):</source>
        <translation>&amp;Namiar (geogr., °):</translation>
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
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="399"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;Current Location</source>
        <translation>&amp;Bieżąca lokalizacja</translation>
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
        <translation>Ws&amp;chodnia (E)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="304"/>
        <source>&amp;Delete Point</source>
        <translation>&amp;Usuń punkt</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>&amp;Detailed Report...</source>
        <translation>&amp;Szczegółowy raport...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="99"/>
        <source>&amp;Dish diameter (m):</source>
        <translation>Śr&amp;ednica anteny (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>&amp;Distance from the dish (m):</source>
        <translation>&amp;Odległość od anteny (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="507"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="95"/>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Edytuj dane...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="303"/>
        <source>&amp;Edit Point...</source>
        <translation>&amp;Edytuj punkt...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>&amp;Elevation (°):</source>
        <translation>&amp;Elewacja (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="356"/>
        <source>&amp;Export Look Angles...</source>
        <translation>&amp;Eksportuj kąty ustawienia...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="483"/>
        <location filename="../src/ui/display/SkyView.cpp" line="459"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="108"/>
        <source>&amp;Find...</source>
        <translation>Zna&amp;jdź...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="100"/>
        <source>&amp;Frequency (GHz):</source>
        <translation>&amp;Częstotliwość (GHz):</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation>&amp;Opcje tabeli...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>&amp;Height above the dish (m):</source>
        <translation>&amp;Wysokość nad anteną (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="519"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="429"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="467"/>
        <source>&amp;Horizon...</source>
        <translation>&amp;Horyzont...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="362"/>
        <source>&amp;Import Orbital Elements...</source>
        <translation>&amp;Importuj elementy orbitalne...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="317"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation>&amp;Ku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="775"/>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="102"/>
        <source>&amp;Local times:</source>
        <translation>Czas &amp;lokalny:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="466"/>
        <source>&amp;Location</source>
        <translation>&amp;Lokalizacja</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>&amp;Location Name</source>
        <translation>&amp;Nazwa lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="104"/>
        <source>&amp;Locator:</source>
        <translation>&amp;Lokator:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;Magnetic</source>
        <translation>&amp;Magnetyczny</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="84"/>
        <source>&amp;Magnetic Variation</source>
        <translation>D&amp;eklinacja magnetyczna</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="314"/>
        <source>&amp;New Workspace</source>
        <translation>&amp;Nowy obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="320"/>
        <source>&amp;Open Workspace...</source>
        <translation>&amp;Otwórz obszar roboczy...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="300"/>
        <source>&amp;Points:</source>
        <translation>&amp;Punkty:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="338"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="101"/>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="26"/>
        <source>&amp;Remove Location from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Usuń lokalizację z obszaru roboczego	Ctrl+X lub Del</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="23"/>
        <source>&amp;Remove Satellite from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Usuń satelitę z obszaru roboczego	Ctrl+X lub Del</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="387"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="568"/>
        <source>&amp;Remove from Workspace</source>
        <translation>&amp;Usuń z obszaru roboczego</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="85"/>
        <source>&amp;Satellite of the selected object:</source>
        <translation>&amp;Satelita wybranego obiektu:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="460"/>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Zapisz obraz...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="326"/>
        <source>&amp;Save Workspace</source>
        <translation>&amp;Zapisz obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="56"/>
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="54"/>
        <source>&amp;Size</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="374"/>
        <source>&amp;Sky View</source>
        <translation>&amp;Widok nieba</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="40"/>
        <source>&amp;True</source>
        <translation>&amp;Geograficzny</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="405"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="109"/>
        <source>&amp;Update Slots</source>
        <translation>&amp;Aktualizuj pozycje</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="515"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="41"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation>&amp;Odwiedź stronę programu Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="435"/>
        <source>&amp;What's This?</source>
        <translation>&amp;Co to jest?</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="112"/>
        <source>&amp;Whole World</source>
        <translation>&amp;Cały świat</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>&amp;Width (°):</source>
        <translation>&amp;Szerokość (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="101"/>
        <source>&amp;Year:</source>
        <translation>&amp;Rok:</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="47"/>
        <source>(Magnetic)</source>
        <translation>(magn.)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(Magnetic):</source>
        <translation>(magnetyczny):</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <source>(True)</source>
        <translation>(geogr.)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(True):</source>
        <translation>(geograficzny):</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="194"/>
        <source>(no region)</source>
        <translation>(brak regionu)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="88"/>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="195"/>
        <source>(unknown region %1)</source>
        <translation>(nieznany region %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="172"/>
        <source>-- (below the horizon)</source>
        <translation>-- (pod horyzontem)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="240"/>
        <source>... and %1 more</source>
        <translation>... i jeszcze %1</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="250"/>
        <source>1 place is listed.</source>
        <translation>Znaleziono 1 miejscowość.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="33"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation>&lt;b&gt;Tilvex&lt;/b&gt; wersja 0.1&lt;br&gt;Kąty ustawienia anten satelitarnych.&lt;br&gt;Copyright © 2026 Tilvex Developers. Wszelkie prawa zastrzeżone.&lt;br&gt;&lt;br&gt;Deklinacja magnetyczna według modelu World Magnetic Model 2025&lt;br&gt;(NOAA NCEI i British Geological Survey;&lt;br&gt;domena publiczna w Stanach Zjednoczonych).&lt;br&gt;&lt;br&gt;Nazwy miejscowości: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Mapa: wykonana z użyciem Natural Earth (domena publiczna).</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="428"/>
        <source>A Maidenhead locator is two letters from A to R, two digits and optionally two letters from A to X, such as JP99 or JP99lp.</source>
        <translation>Lokator Maidenhead to dwie litery od A do R, dwie cyfry i opcjonalnie dwie litery od A do X, np. JP99 lub JP99lp.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="829"/>
        <source>A database changed by another program was read again.</source>
        <translation>Ponownie wczytano bazę danych zmienioną przez inny program.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="46"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation>Obszar roboczy do otwarcia zamiast ostatnio używanego.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="30"/>
        <source>About Tilvex</source>
        <translation>O programie Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Actual</source>
        <translation>Rzeczywista</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Add Locat&amp;ion</source>
        <translation>Dodaj lokal&amp;izację</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="313"/>
        <source>Add Obs&amp;tacle...</source>
        <translation>Dod&amp;aj przeszkodę...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="463"/>
        <source>Add Obstacle</source>
        <translation>Dodaj przeszkodę</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="432"/>
        <source>Add Point</source>
        <translation>Dodaj punkt</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="396"/>
        <source>Add the selected database entries to the workspace</source>
        <translation>Dodaje zaznaczone wpisy bazy danych do obszaru roboczego</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="319"/>
        <source>Adds the points and obstacles of a horizon file: lines "azimuth,elevation" and "obstacle,bearing,height,distance,width".</source>
        <translation>Dodaje punkty i przeszkody z pliku horyzontu: wiersze „azymut,elewacja” i „obstacle,namiar,wysokość,odległość,szerokość”.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="15"/>
        <source>Africa</source>
        <translation>Afryka</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Age</source>
        <translation>Wiek</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="46"/>
        <source>Aiming</source>
        <translation>Ustawianie anteny</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="69"/>
        <location filename="../src/ui/printing/AimPrinting.cpp" line="30"/>
        <source>Aiming Sheet</source>
        <translation>Karta ustawienia anteny</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="35"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Próbowano odczytać plik %1 poza jego końcem.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="38"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation>Próbowano czytać z pliku %1 otwartego do zapisu.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="32"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation>Próbowano zapisywać do pliku %1 otwartego do odczytu.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="29"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Wystąpił nieznany błąd podczas dostępu do pliku %1.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="55"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation>Czy na pewno usunąć lokalizację %s?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation>Czy na pewno usunąć satelitę %s?</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="16"/>
        <source>Asia</source>
        <translation>Azja</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="20"/>
        <source>Asia &amp; South Pacific</source>
        <translation>Azja i Południowy Pacyfik</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation>Należy zaznaczyć co najmniej jedno pole wyboru pasma.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="73"/>
        <source>At least one band must be selected.</source>
        <translation>Należy wybrać co najmniej jedno pasmo.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="230"/>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="38"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="45"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <location filename="../src/core/display/SkyViewGeometry.cpp" line="565"/>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>Azimuth </source>
        <translation>Azymut </translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="72"/>
        <source>Azimuth (Magnetic):</source>
        <translation>Azymut (magnetyczny):</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="27"/>
        <source>Azimuth (magnetic)</source>
        <translation>Azymut (magnetyczny)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="26"/>
        <source>Azimuth (true)</source>
        <translation>Azymut (geograficzny)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Azimuth (°)</source>
        <translation>Azymut (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation>Filtry pasm</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation>Filtry pasm:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="46"/>
        <source>Band(s)</source>
        <translation>Pasma</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation>Pasma</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Bands:</source>
        <translation>Pasma:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>Bearing</source>
        <translation>Namiar</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Bearing (°)</source>
        <translation>Namiar (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="30"/>
        <source>By &amp;Orbital Slot</source>
        <translation>Wg &amp;pozycji orbitalnej</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="991"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="56"/>
        <location filename="../src/ui/display/LocationPane.cpp" line="62"/>
        <source>Calculate Look Angles For:</source>
        <translation>Oblicz kąty ustawienia dla:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation>&amp;Obliczaj deklinację automatycznie</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="221"/>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="337"/>
        <source>Choose a location first.</source>
        <translation>Najpierw proszę wybrać lokalizację.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="383"/>
        <source>Choose the printer and its options</source>
        <translation>Wybiera drukarkę i jej opcje</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="42"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation>Wybiera wyświetlane pasma, kolejność wierszy, azymut geograficzny lub magnetyczny oraz to, czy po nazwie satelity jest podawana jego pozycja.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>Cl&amp;ose</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="239"/>
        <source>Clearance</source>
        <translation>Zapas</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>Clearance:</source>
        <translation>Zapas nad horyzontem:</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="75"/>
        <source>Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + and - to zoom, Home to see the whole world again; Space picks the point in the middle.</source>
        <translation>Kliknięcie mapy wybiera punkt. Mapę przesuwa się, przeciągając ją lub klawiszami strzałek, a powiększa kółkiem myszy lub klawiszami + i -; klawisz Home pokazuje znów cały świat, a spacja wybiera punkt na środku.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Co&amp;mments</source>
        <translation>&amp;Komentarze</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Comments</source>
        <translation>Komentarze</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="81"/>
        <source>Comments:</source>
        <translation>Komentarze:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="500"/>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1024"/>
        <location filename="../src/ui/display/SkyView.cpp" line="541"/>
        <source>Could not write %1.</source>
        <translation>Nie udało się zapisać %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="565"/>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/geomag/GeomagModel.cpp" line="350"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation>Nie można znaleźć pliku %s.  Nie można obliczyć deklinacji magnetycznej.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/SplashWnd.cpp" line="21"/>
        <source>Couldn't load bitmap from file.</source>
        <translation>Nie udało się wczytać obrazu z pliku.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Coverage &amp;Region</source>
        <translation>&amp;Region zasięgu</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="73"/>
        <source>Coverage Region</source>
        <translation>Region zasięgu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="317"/>
        <source>Create a new workspace</source>
        <translation>Tworzy nowy obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Current location</source>
        <translation>Bieżąca lokalizacja</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Date (UTC)</source>
        <translation>Data (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>De&amp;grees West</source>
        <translation>Zac&amp;hodnia (W)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>De&amp;lete</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="61"/>
        <source>Degrees &amp;East</source>
        <translation>&amp;Wschodnia (E)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;North</source>
        <translation>&amp;Północna (N)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;South</source>
        <translation>Poł&amp;udniowa (S)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="62"/>
        <source>Degrees &amp;West</source>
        <translation>&amp;Zachodnia (W)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="35"/>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Dele&amp;te</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="315"/>
        <source>Delete Ob&amp;stacle</source>
        <translation>Usuń p&amp;rzeszkodę</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="29"/>
        <source>Dish face tilt</source>
        <translation>Pochylenie czaszy</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="59"/>
        <source>Dish o&amp;ffset:</source>
        <translation>O&amp;ffset anteny:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="47"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation>&amp;Wyświetlaj pozycję obok nazwy satelity</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>Distance</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Distance (m)</source>
        <translation>Odległość (m)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="53"/>
        <source>Do you want to save changes to %s?</source>
        <translation>Czy zapisać zmiany w %s?</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Drift</source>
        <translation>Dryf</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="321"/>
        <source>E&amp;xport...</source>
        <translation>E&amp;ksportuj...</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="65"/>
        <source>Each geostationary object of the file and the satellite of the database it was matched with. Checked rows get the object's longitude as their slot.</source>
        <translation>Każdy obiekt geostacjonarny z pliku i satelita z bazy, do którego go dopasowano. Zaznaczone wiersze otrzymują długość geograficzną obiektu jako swoją pozycję.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="417"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="585"/>
        <source>Edit &amp;Location Data...</source>
        <translation>Edytuj dane &amp;lokalizacji...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="411"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="580"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation>Edytuj dane &amp;satelitów...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="73"/>
        <source>Edit Location Database</source>
        <translation>Edycja bazy lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="314"/>
        <source>Edit Obstac&amp;le...</source>
        <translation>Edytuj przeszk&amp;odę...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="475"/>
        <source>Edit Obstacle</source>
        <translation>Edytuj przeszkodę</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="444"/>
        <source>Edit Point</source>
        <translation>Edytuj punkt</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation>Edycja bazy satelitów</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="579"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="584"/>
        <source>Edit data for </source>
        <translation>Edytuj dane: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="469"/>
        <source>Edit the horizon of the current location: its points and obstacles</source>
        <translation>Edytuje horyzont bieżącej lokalizacji: jego punkty i przeszkody</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="420"/>
        <source>Edit the location database</source>
        <translation>Edytuje bazę lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="414"/>
        <source>Edit the satellite database</source>
        <translation>Edytuje bazę satelitów</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation>Należy zaznaczyć opcję Wschodnia lub Zachodnia.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="25"/>
        <location filename="../src/core/reports/Report.cpp" line="236"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="53"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Elevation (°)</source>
        <translation>Elewacja (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="71"/>
        <source>Elevation:</source>
        <translation>Elewacja:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>End (UTC)</source>
        <translation>Koniec (UTC)</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="13"/>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="19"/>
        <source>Europe, Africa &amp; Middle East</source>
        <translation>Europa, Afryka i Bliski Wschód</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Every location of the workspace</source>
        <translation>Wszystkie lokalizacje obszaru roboczego</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="438"/>
        <source>Explain the next item clicked</source>
        <translation>Objaśnia następny kliknięty element</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="556"/>
        <source>Export Horizon</source>
        <translation>Eksport horyzontu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="989"/>
        <source>Export Look Angles</source>
        <translation>Eksport kątów ustawienia</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation>Nie udało się otworzyć dokumentu.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation>Nie udało się zapisać dokumentu.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="259"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation>Brak pliku %s lub plik jest uszkodzony.
Otwieranie pustego obszaru roboczego.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="53"/>
        <source>Find Place</source>
        <translation>Znajdź miejscowość</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="426"/>
        <source>Find a town by name or on the map and add it to the location database</source>
        <translation>Wyszukuje miejscowość po nazwie lub na mapie i dodaje ją do bazy lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="49"/>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="31"/>
        <source>GotoX command</source>
        <translation>Polecenie GotoX</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Height (m)</source>
        <translation>Wysokość (m)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="121"/>
        <source>Hori&amp;zon...</source>
        <translation>Hor&amp;yzont...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="285"/>
        <source>Horizon</source>
        <translation>Horyzont</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="495"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="557"/>
        <source>Horizon Files (*.csv *.txt);;All Files (*)</source>
        <translation>Pliki horyzontu (*.csv *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Horizon points</source>
        <translation>Punkty horyzontu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="64"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation>Aby odwiedzić stronę internetową programu Tilvex, proszę otworzyć adres </translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="494"/>
        <source>Import Horizon</source>
        <translation>Import horyzontu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="368"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="49"/>
        <source>Import Orbital Elements</source>
        <translation>Import elementów orbitalnych</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Inclination</source>
        <translation>Inklinacja</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="52"/>
        <source>Invalid magnetic variation.</source>
        <translation>Nieprawidłowa deklinacja magnetyczna.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="47"/>
        <source>K&amp;u</source>
        <translation>K&amp;u</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep Mine</source>
        <translation>Zachowaj moją</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep the Other</source>
        <translation>Zachowaj drugą</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation>Przechowuje ustawienia w pliku FILE.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="78"/>
        <source>L&amp;atitude</source>
        <translation>Szero&amp;kość geograficzna</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="80"/>
        <source>L&amp;ongitude</source>
        <translation>&amp;Długość geograficzna</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="237"/>
        <source>LNB Skew</source>
        <translation>Skręt LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="74"/>
        <source>LNB Skew:</source>
        <translation>Skręt LNB:</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="28"/>
        <source>LNB skew</source>
        <translation>Skręt LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="88"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="88"/>
        <source>Latitude</source>
        <translation>Szerokość geogr.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="87"/>
        <source>Latitude:</source>
        <translation>Szerokość geogr.:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Least Angle</source>
        <translation>Kąt minimalny</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Local Date</source>
        <translation>Data lokalna</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local End</source>
        <translation>Koniec lokalny</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Peak</source>
        <translation>Szczyt lokalny</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Start</source>
        <translation>Początek lokalny</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="49"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation>Lokalizacja %s już istnieje.  Proszę zapisać pod nową nazwą.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="53"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation>Baza lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>Location Name</source>
        <translation>Nazwa lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="67"/>
        <source>Location Name:</source>
        <translation>Nazwa lokalizacji:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="53"/>
        <source>Location Pane</source>
        <translation>Panel lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="51"/>
        <source>Location must have a name.</source>
        <translation>Lokalizacja musi mieć nazwę.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="50"/>
        <source>Location must have a region selected.</source>
        <translation>Lokalizacja musi mieć wybrany region.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="67"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="76"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="17"/>
        <source>Locations</source>
        <translation>Lokalizacje</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="92"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="90"/>
        <source>Longitude</source>
        <translation>Długość geogr.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="89"/>
        <source>Longitude:</source>
        <translation>Długość geogr.:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="990"/>
        <location filename="../src/ui/display/TilvexView.cpp" line="58"/>
        <source>Look Angles</source>
        <translation>Kąty ustawienia</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/ui/printing/ReportPdf.cpp" line="42"/>
        <source>Look angles</source>
        <translation>Kąty ustawienia</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="44"/>
        <source>Look angles for satellite dishes.</source>
        <translation>Kąty ustawienia anten satelitarnych.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="65"/>
        <source>Look angles from</source>
        <translation>Kąty ustawienia dla lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <source>Look angles from:</source>
        <translation>Kąty ustawienia dla:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Magnetic Variation</source>
        <translation>Deklinacja magnetyczna</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="292"/>
        <source>Magnetic Variation: </source>
        <translation>Deklinacja magnetyczna: </translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Maiden&amp;head Locator</source>
        <translation>&amp;Lokator Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="112"/>
        <source>Maidenhead Locator</source>
        <translation>Lokator Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="105"/>
        <source>Maidenhead locator</source>
        <translation>Lokator Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="58"/>
        <source>Matched satellites</source>
        <translation>Dopasowane satelity</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="14"/>
        <source>Middle East</source>
        <translation>Bliski Wschód</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="30"/>
        <source>Motor angle</source>
        <translation>Kąt silnika</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="32"/>
        <source>Motor axis elevation</source>
        <translation>Elewacja osi silnika</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="33"/>
        <source>Motor declination</source>
        <translation>Deklinacja silnika</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="69"/>
        <source>Names hold at most %1 characters.</source>
        <translation>Nazwa może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="423"/>
        <source>New Location from &amp;Place...</source>
        <translation>Nowa lokalizacja z &amp;miejscowości...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="447"/>
        <source>Next Pane</source>
        <translation>Następny panel</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="23"/>
        <location filename="../src/core/workspace/Archive.cpp" line="26"/>
        <source>No error occurred.</source>
        <translation>Nie wystąpił żaden błąd.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="80"/>
        <source>No location</source>
        <translation>Brak lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="243"/>
        <source>No place is called "%1".</source>
        <translation>Nie ma miejscowości o nazwie „%1”.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="114"/>
        <source>No point picked</source>
        <translation>Nie wybrano punktu</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="18"/>
        <source>North &amp; South America</source>
        <translation>Ameryka Północna i Południowa</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="11"/>
        <source>North America</source>
        <translation>Ameryka Północna</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="311"/>
        <source>O&amp;bstacles:</source>
        <translation>Prze&amp;szkody:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Object</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="307"/>
        <source>Obstacles</source>
        <translation>Przeszkody</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <source>Open Workspace</source>
        <translation>Otwórz obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="323"/>
        <source>Open an existing workspace</source>
        <translation>Otwiera istniejący obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Orbit:</source>
        <translation>Orbita:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>Orbital &amp;Slot</source>
        <translation>&amp;Pozycja orbitalna</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="60"/>
        <source>Orbital Slot</source>
        <translation>Pozycja orbitalna</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="369"/>
        <source>Orbital elements (*.tle *.txt *.csv);;All files (*)</source>
        <translation>Elementy orbitalne (*.tle *.txt *.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="106"/>
        <source>Outage days</source>
        <translation>Dni zakłóceń</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="380"/>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Ustawienia wydruku...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="534"/>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>Obrazy PNG (*.png);;Obrazy SVG (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="172"/>
        <source>Page %d of %d</source>
        <translation>Strona %d z %d</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="36"/>
        <source>Path loss</source>
        <translation>Tłumienie trasy</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Peak (UTC)</source>
        <translation>Szczyt (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="165"/>
        <source>Pick the site on the map or type its locator.</source>
        <translation>Proszę wskazać lokalizację na mapie lub wpisać jej lokator.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="112"/>
        <source>Picked point: %1, %2</source>
        <translation>Wybrany punkt: %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="64"/>
        <source>Places</source>
        <translation>Miejscowości</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="102"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation>Proszę wpisać liczbę od %s do %s w polu „%s”.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="98"/>
        <source>Please enter a number for the %s.</source>
        <translation>Proszę wpisać liczbę w polu „%s”.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="160"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation>Proszę wpisać liczby w polach średnicy anteny i częstotliwości.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="107"/>
        <source>Please enter no more than %d characters.</source>
        <translation>Proszę wpisać nie więcej niż %d znaków.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="291"/>
        <source>Points are joined by straight lines around the circle.  An obstacle raises the horizon to the angle of its top over its width, centred on its bearing.</source>
        <translation>Punkty są łączone odcinkami prostymi dookoła całego okręgu.  Przeszkoda podnosi horyzont do kąta swojego wierzchołka na całej swojej szerokości, wyśrodkowanej na jej namiarze.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="453"/>
        <source>Previous Pane</source>
        <translation>Poprzedni panel</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="350"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="61"/>
        <source>Print &amp;Aiming Sheet...</source>
        <translation>Drukuj kartę &amp;ustawienia...</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="38"/>
        <source>Print Options</source>
        <translation>Opcje wydruku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="344"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>Print look angles for:</source>
        <translation>Drukuj kąty ustawienia dla:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="341"/>
        <source>Print the look angles</source>
        <translation>Drukuje kąty ustawienia</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="353"/>
        <source>Print the look angles without asking</source>
        <translation>Drukuje kąty ustawienia bez pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation>Wyświetla ten opis użycia i kończy działanie.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>Quit Tilvex</source>
        <translation>Zamyka program Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="365"/>
        <source>Read a TLE or OMM CSV file and bring the satellites' slots to where they really are</source>
        <translation>Wczytuje plik TLE lub OMM CSV i przenosi pozycje satelitów tam, gdzie faktycznie się znajdują</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation>Odczytuje i zapisuje pliki danych w katalogu DIR.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="148"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="721"/>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="104"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="390"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation>Usuwa zaznaczonego satelitę lub zaznaczoną lokalizację z obszaru roboczego</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="98"/>
        <source>S&amp;un Outages...</source>
        <translation>Zakłócenia &amp;słoneczne...</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/RecordEditorDlg.cpp" line="40"/>
        <source>Sa&amp;ve</source>
        <translation>Z&amp;apisz</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="223"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="44"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="45"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation>Satelita %s już istnieje.  Proszę zapisać pod nową nazwą.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite &amp;Name</source>
        <translation>&amp;Nazwa satelity</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation>Baza satelitów</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="49"/>
        <source>Satellite Details</source>
        <translation>Szczegóły satelity</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="56"/>
        <source>Satellite Grid</source>
        <translation>Tabela satelitów</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation>Opcje tabeli satelitów</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="23"/>
        <source>Satellite Info Pane</source>
        <translation>Panel informacji o satelicie</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation>Panel listy satelitów</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite Name</source>
        <translation>Nazwa satelity</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="47"/>
        <source>Satellite must have a name.</source>
        <translation>Satelita musi mieć nazwę.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a region selected.</source>
        <translation>Satelita musi mieć wybrany region zasięgu.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Satellite:</source>
        <translation>Satelita:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="144"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="21"/>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Save Again</source>
        <translation>Zapisz ponownie</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Save Picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Save Under Another Name...</source>
        <translation>Zapisz pod inną nazwą...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="332"/>
        <source>Save Workspace &amp;As...</source>
        <translation>Zapisz obszar roboczy &amp;jako...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="182"/>
        <source>Save Workspace As</source>
        <translation>Zapisz obszar roboczy jako</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="234"/>
        <source>Save changes to %1?</source>
        <translation>Czy zapisać zmiany w %1?</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="335"/>
        <source>Save the new location first: a horizon belongs to a saved location.</source>
        <translation>Najpierw proszę zapisać nową lokalizację: horyzont można przypisać tylko do zapisanej lokalizacji.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="462"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation>Zapisuje widok nieba jako obraz PNG lub SVG</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="329"/>
        <source>Save the workspace</source>
        <translation>Zapisuje obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="335"/>
        <source>Save the workspace under a new name</source>
        <translation>Zapisuje obszar roboczy pod nową nazwą</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="57"/>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="37"/>
        <source>Shadow time</source>
        <translation>Godzina cienia</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="38"/>
        <source>Shadow time (local)</source>
        <translation>Godzina cienia (lokalna)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="104"/>
        <source>Show &amp;objects without a satellite</source>
        <translation>Pokaż &amp;obiekty bez satelity</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="377"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation>Pokazuje łuk geostacjonarny na niebie bieżącej lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="432"/>
        <source>Show the help</source>
        <translation>Pokazuje pomoc</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="347"/>
        <source>Show the printed pages</source>
        <translation>Pokazuje strony wydruku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="444"/>
        <source>Show the program's version</source>
        <translation>Pokazuje wersję programu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="41"/>
        <source>Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar).</source>
        <translation>Wyświetla okna w języku CODE (en, de, es, fr, it, pl, tr, ar).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="786"/>
        <source>Show the windows in this language the next time Tilvex starts</source>
        <translation>Wyświetla okna w tym języku od następnego uruchomienia programu Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation>Pokazuje bazę lokalizacji według regionów.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation>Pokazuje bazę satelitów według regionów zasięgu.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="44"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation>Pokazuje dane wybranego satelity i jego kąty ustawienia dla bieżącej lokalizacji.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="288"/>
        <source>Site Latitude: </source>
        <translation>Szerokość geograficzna: </translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="290"/>
        <source>Site Longitude: </source>
        <translation>Długość geograficzna: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="455"/>
        <location filename="../src/ui/display/SkyView.cpp" line="470"/>
        <location filename="../src/ui/display/SkyView.cpp" line="516"/>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Sky View</source>
        <translation>Widok nieba</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="34"/>
        <source>Slant range</source>
        <translation>Odległość do satelity</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="229"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Slot</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="48"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation>Pozycja musi mieć wartość od 0 do 360.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="75"/>
        <source>Slot:</source>
        <translation>Pozycja:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="38"/>
        <source>Some horizons could not be read; the lines stay in the file as they are:</source>
        <translation>Nie udało się odczytać niektórych horyzontów; te wiersze pozostają w pliku bez zmian:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="31"/>
        <source>Some imported orbits could not be read; the lines stay in the file as they are:</source>
        <translation>Nie udało się odczytać niektórych zaimportowanych orbit; te wiersze pozostają w pliku bez zmian:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="29"/>
        <source>Sort Satellites</source>
        <translation>Sortowanie satelitów</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="12"/>
        <source>South America</source>
        <translation>Ameryka Południowa</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="17"/>
        <source>South Pacific</source>
        <translation>Południowy Pacyfik</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="535"/>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Start (UTC)</source>
        <translation>Początek (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation>Uruchamia program bez obrazu powitalnego.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="59"/>
        <source>Sun Outages</source>
        <translation>Zakłócenia słoneczne</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="790"/>
        <source>System Default</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="109"/>
        <source>The Maidenhead locator of the point ("JP99lp"). Type a locator of four or six characters to move the point to the middle of its square.</source>
        <translation>Lokator Maidenhead punktu („JP99lp”). Wpisanie lokatora z czterech lub sześciu znaków przenosi punkt na środek jego kwadratu.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation>Pasma, których satelity pokazuje tabela. Zmienia je przycisk Opcje tabeli.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="95"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation>Zegar, według którego podawane są kolumny czasu lokalnego: zegar tego komputera albo stałe przesunięcie względem UTC, np. strefa czasowa lokalizacji.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="56"/>
        <source>The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish</source>
        <translation>Kąt offsetu anteny w stopniach: 22.6 dla typowej anteny offsetowej, 0 dla anteny symetrycznej (prime focus)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="246"/>
        <source>The first %1 places are listed, the most likely first; type more of the name to find others.</source>
        <translation>Pokazano pierwszych %1 miejscowości, najbardziej prawdopodobne na początku; aby znaleźć inne, proszę wpisać dłuższy fragment nazwy.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="61"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.  The location's horizon is the brown silhouette; drag its points to change it.</source>
        <translation>Łuk geostacjonarny widziany z bieżącej lokalizacji: północ u góry, horyzont na obwodzie, a zenit w środku.  Kliknięcie satelity czyni go bieżącym.  Horyzont lokalizacji to brązowa sylwetka; aby go zmienić, można przeciągać jego punkty.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="287"/>
        <source>The horizon at %1</source>
        <translation>Horyzont w lokalizacji %1</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="299"/>
        <source>The horizon's outline: true azimuths with the elevation of the horizon there.</source>
        <translation>Obrys horyzontu: azymuty geograficzne z elewacją horyzontu w każdym z tych kierunków.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="55"/>
        <source>The horizons could not be saved:</source>
        <translation>Nie udało się zapisać horyzontów:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="57"/>
        <source>The imported orbits could not be saved:</source>
        <translation>Nie udało się zapisać zaimportowanych orbit:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="802"/>
        <source>The language could not be kept in the settings file.</source>
        <translation>Nie udało się zapisać języka w pliku ustawień.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="167"/>
        <source>The list of places (%1) is not in the data folder, so places cannot be found by name.</source>
        <translation>Listy miejscowości (%1) nie ma w folderze danych, więc nie można wyszukiwać miejscowości po nazwie.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="173"/>
        <source>The list of places cannot be read (%1), so places cannot be found by name.</source>
        <translation>Nie można odczytać listy miejscowości (%1), więc nie można wyszukiwać miejscowości po nazwie.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="123"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation>Nie udało się zapisać bazy lokalizacji: %s

Zapisać ponownie czy odrzucić zmiany?</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="64"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation>Lokalizacja, dla której tabela pokazuje kąty ustawienia. Inną można wybrać z listy poniżej.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationTree.cpp" line="10"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Lokalizacje do wyboru, według regionów. Lokalizację (lub cały region) można przeciągnąć do obszaru roboczego albo zaznaczyć i wybrać Edycja &gt; Dodaj do obszaru roboczego. Dwukrotne kliknięcie lokalizacji otwiera edycję jej danych.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="152"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation>Kąty ustawienia satelitów obszaru roboczego dla bieżącej lokalizacji: azymut i elewacja; „--” oznacza, że satelita jest pod horyzontem.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="58"/>
        <source>The name of a town or city near the site</source>
        <translation>Nazwa miasta lub miejscowości w pobliżu lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="336"/>
        <source>The obstacles and the horizon seen from this location</source>
        <translation>Przeszkody i horyzont widziane z tej lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="120"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation>Nie udało się zapisać bazy satelitów: %s

Zapisać ponownie czy odrzucić zmiany?</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="24"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation>Satelita wybrany w tabeli: jego nazwa, pozycja orbitalna i pasma.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="10"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Satelity do wyboru, według regionów zasięgu. Satelitę (lub cały region) można przeciągnąć do obszaru roboczego albo zaznaczyć i wybrać Edycja &gt; Dodaj do obszaru roboczego. Dwukrotne kliknięcie satelity otwiera edycję jego danych.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1005"/>
        <source>The workspace has no location to export.</source>
        <translation>Obszar roboczy nie zawiera lokalizacji do wyeksportowania.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="70"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation>Lokalizacje obszaru roboczego. Kliknięcie lokalizacji oblicza dla niej kąty ustawienia.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="183"/>
        <source>The world map (%1) is not in the data folder: only the lines of latitude and longitude are shown.</source>
        <translation>Mapy świata (%1) nie ma w folderze danych: widoczne są tylko równoleżniki i południki.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="188"/>
        <source>The world map cannot be read (%1): only the lines of latitude and longitude are shown.</source>
        <translation>Nie można odczytać mapy świata (%1): widoczne są tylko równoleżniki i południki.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="244"/>
        <source>These lines of %1 were not imported; the rest of the file was:</source>
        <translation>Tych wierszy pliku %1 nie zaimportowano; resztę pliku zaimportowano:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="82"/>
        <source>This computer's time (%1)</source>
        <translation>Czas tego komputera (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation>Pomoc programu Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="54"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation>Tilvex nie może zapisać niektórych znaków w polu „%s”.  Proszę używać tylko liter zachodnioeuropejskich, cyfr i symboli.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="63"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation>Program Tilvex nie znalazł przeglądarki internetowej.  </translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="806"/>
        <source>Tilvex will show its windows in %1 the next time it starts.</source>
        <translation>Od następnego uruchomienia Tilvex będzie wyświetlać okna w języku: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="308"/>
        <source>Trees and buildings as measured from the dish: the true bearing of the middle, the height above the dish, the distance and the width in degrees.</source>
        <translation>Drzewa i budynki zmierzone od anteny: namiar geograficzny na ich środek, wysokość nad anteną, odległość i szerokość w stopniach.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="217"/>
        <source>Type the name of a town or city near the site, or pick the site on the map.</source>
        <translation>Proszę wpisać nazwę miasta lub miejscowości w pobliżu lokalizacji albo wskazać lokalizację na mapie.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="138"/>
        <source>Unable to create %s</source>
        <translation>Nie można utworzyć %s</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="113"/>
        <source>Unable to open %s</source>
        <translation>Nie można otworzyć %s</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation>Nieoczekiwany format pliku.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/TilvexDoc.h" line="48"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation>Nieoczekiwany format pliku.
Otwieranie pustego obszaru roboczego.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="294"/>
        <source>Updated:  </source>
        <translation>Zaktualizowano:  </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="50"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation>Czy azymuty są mierzone od północy magnetycznej, jak wskazuje kompas, czy od północy geograficznej, jak na mapie. Zmienia to przycisk Opcje tabeli.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Width (°)</source>
        <translation>Szerokość (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <location filename="../src/ui/app/TilvexApp.cpp" line="183"/>
        <source>Workspace Files(*.wrk)</source>
        <translation>Pliki obszaru roboczego (*.wrk)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="293"/>
        <source>Workspace: </source>
        <translation>Obszar roboczy: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/TilvexView.cpp" line="103"/>
        <source>Workspace:  </source>
        <translation>Obszar roboczy:  </translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="73"/>
        <source>World map</source>
        <translation>Mapa świata</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="359"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation>Zapisuje kąty ustawienia z tabeli do pliku CSV</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>azimuth</source>
        <translation>azymut</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>back</source>
        <translation>do tyłu</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>bearing</source>
        <translation>namiar</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="197"/>
        <source>blocked by the horizon by %1</source>
        <translation>zasłonięty przez horyzont o %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="155"/>
        <source>cannot use the data folder %1</source>
        <translation>nie można użyć folderu danych %1</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="161"/>
        <source>comments</source>
        <translation>komentarze</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>distance</source>
        <translation>odległość</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>elevation</source>
        <translation>elewacja</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>forward</source>
        <translation>do przodu</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>height</source>
        <translation>wysokość</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="271"/>
        <source>latitude</source>
        <translation>szerokość geograficzna</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="136"/>
        <source>location database not saved: %s</source>
        <translation>baza lokalizacji nie została zapisana: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="262"/>
        <source>location name</source>
        <translation>nazwa lokalizacji</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="267"/>
        <source>longitude</source>
        <translation>długość geograficzna</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="269"/>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="33"/>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="839"/>
        <source>not saved</source>
        <translation>niezapisane</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="71"/>
        <source>only one workspace can be opened</source>
        <translation>można otworzyć tylko jeden obszar roboczy</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="164"/>
        <source>orbital slot</source>
        <translation>pozycja orbitalna</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="135"/>
        <source>satellite database not saved: %s</source>
        <translation>baza satelitów nie została zapisana: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="159"/>
        <source>satellite name</source>
        <translation>nazwa satelity</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="146"/>
        <source>the dish diameter must be greater than 0 metres</source>
        <translation>średnica anteny musi być większa niż 0 metrów</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="152"/>
        <source>the dish is too small for this frequency: its beam would reach more than 45 degrees from the satellite</source>
        <translation>antena jest za mała dla tej częstotliwości: jej wiązka sięgałaby ponad 45 stopni od satelity</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="148"/>
        <source>the frequency must be greater than 0 GHz</source>
        <translation>częstotliwość musi być większa niż 0 GHz</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="174"/>
        <source>the settings file %1 is not used: %2</source>
        <translation>plik ustawień %1 nie jest używany: %2</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="150"/>
        <source>the year must be from 1900 to 2100</source>
        <translation>rok musi być z zakresu od 1900 do 2100</translation>
    </message>
    <message>
        <location filename="../src/ui/app/main.cpp" line="38"/>
        <source>there is no translation for "%1"; the languages are %2</source>
        <translation>brak tłumaczenia dla „%1”; dostępne języki: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>width</source>
        <translation>szerokość</translation>
    </message>
</context>
</TS>
