<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="28"/>
        <source> (automatic)</source>
        <translation> (automatisch)</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="25"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation> (automatisch; das Magnetfeldmodell gilt für %.0f–%.0f)</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.h" line="21"/>
        <source> (seen from behind the dish)</source>
        <translation> (von der Spiegelrückseite aus gesehen)</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> East</source>
        <translation> Ost</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="23"/>
        <source> East to
180</source>
        <translation> Ost bis
180</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> West</source>
        <translation> West</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="24"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation> West.  Größere Werte werden in diese Form
umgerechnet, wobei die Angaben Ost und West
entsprechend angepasst werden.</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> clockwise</source>
        <translation> im Uhrzeigersinn</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> counter-clockwise</source>
        <translation> gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="22"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation> verwendet Orbitpositionen von 180</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob Pfad und Dateiname richtig angegeben sind.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="533"/>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="548"/>
        <source>%1
These lines were left out; the rest of the file was imported.</source>
        <translation>%1
Diese Zeilen wurden ausgelassen; der Rest der Datei wurde importiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="61"/>
        <source>%1 (%2) from %3</source>
        <translation>%1 (%2) von %3 aus</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (blocked)</source>
        <translation>%1 (verdeckt)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (clear)</source>
        <translation>%1 (frei)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="88"/>
        <source>%1 (the site's longitude)</source>
        <translation>%1 (Länge des Standorts)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="44"/>
        <source>%1 contained an unexpected object.</source>
        <translation>%1 enthielt ein unerwartetes Objekt.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="47"/>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 enthält ein falsches Schema.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="164"/>
        <source>%1 geostationary objects in the file, %2 of them matched with the satellite database. Checked rows differ from their slot by more than 0.05%3.</source>
        <translation>%1 geostationäre Objekte in der Datei, davon %2 einem Satelliten der Satellitendatenbank zugeordnet. Angekreuzte Zeilen weichen um mehr als 0,05%3 von ihrer Orbitposition ab.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="41"/>
        <source>%1 has a bad format.</source>
        <translation>%1 hat ein ungültiges Format.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="252"/>
        <source>%1 holds no geostationary object.</source>
        <translation>%1 enthält kein geostationäres Objekt.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="537"/>
        <source>%1 holds no horizon points or obstacles.</source>
        <translation>%1 enthält keine Horizontpunkte oder Hindernisse.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="505"/>
        <source>%1 is too large for a horizon file.</source>
        <translation>%1 ist zu groß für eine Horizontdatei.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="252"/>
        <source>%1 places are listed, the most likely first.</source>
        <translation>%1 Orte werden angezeigt, der wahrscheinlichste zuerst.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="38"/>
        <source>%1 was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%1 wurde seit dem Einlesen der Datei sowohl hier als auch von einem anderen Programm geändert.

Die hier erstellte Fassung behalten?</translation>
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
        <translation>%s wurde von einem anderen Programm geändert. Möchten Sie die Datei überschreiben oder sie behalten und Ihre Fassung unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="67"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%s wurde seit dem Einlesen der Datei sowohl hier als auch von einem anderen Programm geändert.

Die hier erstellte Fassung behalten?</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation>%s: %.2f°%s %.2f°%s, Missweisung %.1f°%s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="441"/>
        <source>&amp;About Tilvex...</source>
        <translation>Ü&amp;ber Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="24"/>
        <source>&amp;Add Location(s) to Workspace	Ctrl+V</source>
        <translation>Standort(e) zum Arbeitsbereich &amp;hinzufügen	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="302"/>
        <source>&amp;Add Point...</source>
        <translation>Punkt &amp;hinzufügen...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>&amp;Add Satellite</source>
        <translation>Satellit &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="25"/>
        <source>&amp;Add Satellite(s) to Workspace	Ctrl+V</source>
        <translation>Satellit(en) zum Arbeitsbereich &amp;hinzufügen	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="393"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="573"/>
        <source>&amp;Add to Workspace</source>
        <translation>Zum Arbeitsbereich &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="42"/>
        <source>&amp;All locations</source>
        <translation>A&amp;lle Standorte</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="31"/>
        <source>&amp;Alphabetically</source>
        <translation>&amp;Alphabetisch</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>&amp;Azimuth (true, °):</source>
        <translation>&amp;Azimut (geografisch, °):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>&amp;Bearing (true, °):</source>
        <translation>&amp;Richtung (geografisch, °):</translation>
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
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="399"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;Current Location</source>
        <translation>&amp;Aktueller Standort</translation>
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
        <translation>Gra&amp;d Ost</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="304"/>
        <source>&amp;Delete Point</source>
        <translation>Punkt &amp;löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>&amp;Detailed Report...</source>
        <translation>Detailbe&amp;richt...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="99"/>
        <source>&amp;Dish diameter (m):</source>
        <translation>&amp;Spiegeldurchmesser (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>&amp;Distance from the dish (m):</source>
        <translation>&amp;Entfernung vom Spiegel (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="507"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="95"/>
        <source>&amp;Edit Data...</source>
        <translation>Daten &amp;bearbeiten...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="303"/>
        <source>&amp;Edit Point...</source>
        <translation>Punkt &amp;bearbeiten...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>&amp;Elevation (°):</source>
        <translation>&amp;Elevation (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="356"/>
        <source>&amp;Export Look Angles...</source>
        <translation>Ausrichtwinkel e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="483"/>
        <location filename="../src/ui/display/SkyView.cpp" line="459"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="108"/>
        <source>&amp;Find...</source>
        <translation>Suc&amp;hen...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="100"/>
        <source>&amp;Frequency (GHz):</source>
        <translation>&amp;Frequenz (GHz):</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation>&amp;Tabellenoptionen...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>&amp;Height above the dish (m):</source>
        <translation>&amp;Höhe über dem Spiegel (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="519"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="429"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="467"/>
        <source>&amp;Horizon...</source>
        <translation>&amp;Horizont...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="362"/>
        <source>&amp;Import Orbital Elements...</source>
        <translation>Bahn&amp;elemente importieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="317"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation>&amp;Ku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="775"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="102"/>
        <source>&amp;Local times:</source>
        <translation>&amp;Ortszeit:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="466"/>
        <source>&amp;Location</source>
        <translation>&amp;Standort</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>&amp;Location Name</source>
        <translation>S&amp;tandortname</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="104"/>
        <source>&amp;Locator:</source>
        <translation>&amp;Locator:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;Magnetic</source>
        <translation>&amp;Magnetisch</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="84"/>
        <source>&amp;Magnetic Variation</source>
        <translation>&amp;Missweisung</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="314"/>
        <source>&amp;New Workspace</source>
        <translation>&amp;Neuer Arbeitsbereich</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="320"/>
        <source>&amp;Open Workspace...</source>
        <translation>Arbeitsbereich ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="300"/>
        <source>&amp;Points:</source>
        <translation>&amp;Punkte:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="338"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="101"/>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="26"/>
        <source>&amp;Remove Location from Workspace	Ctrl+X or Del</source>
        <translation>Standort aus Arbeitsbereich &amp;entfernen	Ctrl+X oder Entf</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="23"/>
        <source>&amp;Remove Satellite from Workspace	Ctrl+X or Del</source>
        <translation>Satellit aus Arbeitsbereich &amp;entfernen	Ctrl+X oder Entf</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="387"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="568"/>
        <source>&amp;Remove from Workspace</source>
        <translation>Aus Arbeitsbereich &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="85"/>
        <source>&amp;Satellite of the selected object:</source>
        <translation>&amp;Satellit des ausgewählten Objekts:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="460"/>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="326"/>
        <source>&amp;Save Workspace</source>
        <translation>Arbeitsbereich &amp;speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="56"/>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="54"/>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="374"/>
        <source>&amp;Sky View</source>
        <translation>&amp;Himmelsansicht</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="40"/>
        <source>&amp;True</source>
        <translation>&amp;Geografisch</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="405"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="109"/>
        <source>&amp;Update Slots</source>
        <translation>Positionen &amp;aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="515"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="41"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation>Tilvex-&amp;Website besuchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="435"/>
        <source>&amp;What's This?</source>
        <translation>&amp;Was ist das?</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="112"/>
        <source>&amp;Whole World</source>
        <translation>&amp;Ganze Welt</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>&amp;Width (°):</source>
        <translation>&amp;Breite (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="101"/>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="47"/>
        <source>(Magnetic)</source>
        <translation>(magnetisch)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(Magnetic):</source>
        <translation>(magnetisch):</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <source>(True)</source>
        <translation>(geografisch)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(True):</source>
        <translation>(geografisch):</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="194"/>
        <source>(no region)</source>
        <translation>(keine Region)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="88"/>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="195"/>
        <source>(unknown region %1)</source>
        <translation>(unbekannte Region %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="172"/>
        <source>-- (below the horizon)</source>
        <translation>-- (unter dem Horizont)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="240"/>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="250"/>
        <source>1 place is listed.</source>
        <translation>1 Ort wird angezeigt.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="33"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation>&lt;b&gt;Tilvex&lt;/b&gt; Version 0.1&lt;br&gt;Ausrichtwinkel für Satellitenspiegel.&lt;br&gt;Copyright © 2026 Tilvex Developers. Alle Rechte vorbehalten.&lt;br&gt;&lt;br&gt;Missweisung nach dem World Magnetic Model 2025&lt;br&gt;(NOAA NCEI und British Geological Survey;&lt;br&gt;in den Vereinigten Staaten gemeinfrei).&lt;br&gt;&lt;br&gt;Ortsnamen: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Karte: erstellt mit Natural Earth (gemeinfrei).</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="428"/>
        <source>A Maidenhead locator is two letters from A to R, two digits and optionally two letters from A to X, such as JP99 or JP99lp.</source>
        <translation>Ein Maidenhead-Locator besteht aus zwei Buchstaben von A bis R, zwei Ziffern und optional zwei Buchstaben von A bis X, zum Beispiel JP99 oder JP99lp.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="829"/>
        <source>A database changed by another program was read again.</source>
        <translation>Eine von einem anderen Programm geänderte Datenbank wurde neu eingelesen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="46"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation>Ein Arbeitsbereich, der statt des zuletzt verwendeten geöffnet wird.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="30"/>
        <source>About Tilvex</source>
        <translation>Über Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Actual</source>
        <translation>Ist-Position</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Add Locat&amp;ion</source>
        <translation>Standort hinzu&amp;fügen</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="313"/>
        <source>Add Obs&amp;tacle...</source>
        <translation>Hindernis hin&amp;zufügen...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="463"/>
        <source>Add Obstacle</source>
        <translation>Hindernis hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="432"/>
        <source>Add Point</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="396"/>
        <source>Add the selected database entries to the workspace</source>
        <translation>Die ausgewählten Datenbankeinträge zum Arbeitsbereich hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="319"/>
        <source>Adds the points and obstacles of a horizon file: lines "azimuth,elevation" and "obstacle,bearing,height,distance,width".</source>
        <translation>Fügt die Punkte und Hindernisse einer Horizontdatei hinzu: Zeilen „Azimut,Elevation“ und „obstacle,Richtung,Höhe,Entfernung,Breite“.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="15"/>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="46"/>
        <source>Aiming</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="69"/>
        <location filename="../src/ui/printing/AimPrinting.cpp" line="30"/>
        <source>Aiming Sheet</source>
        <translation>Ausrichtblatt</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="35"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="38"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation>Es wurde versucht, aus %1 zu lesen, obwohl die Datei zum Schreiben geöffnet ist.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="32"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation>Es wurde versucht, in %1 zu schreiben, obwohl die Datei zum Lesen geöffnet ist.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="29"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="55"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation>Möchten Sie den Standort %s wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation>Möchten Sie den Satelliten %s wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="16"/>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="20"/>
        <source>Asia &amp; South Pacific</source>
        <translation>Asien und Südpazifik</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation>Mindestens ein Band muss angekreuzt sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="73"/>
        <source>At least one band must be selected.</source>
        <translation>Mindestens ein Band muss ausgewählt sein.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="230"/>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="38"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="45"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../src/core/display/SkyViewGeometry.cpp" line="565"/>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>Azimuth </source>
        <translation>Azimut </translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="72"/>
        <source>Azimuth (Magnetic):</source>
        <translation>Azimut (magnetisch):</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="27"/>
        <source>Azimuth (magnetic)</source>
        <translation>Azimut (magnetisch)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="26"/>
        <source>Azimuth (true)</source>
        <translation>Azimut (geografisch)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Azimuth (°)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation>Bandfilter</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation>Bandfilter:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="46"/>
        <source>Band(s)</source>
        <translation>Bänder</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation>Bänder</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Bands:</source>
        <translation>Bänder:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>Bearing</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Bearing (°)</source>
        <translation>Richtung (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="30"/>
        <source>By &amp;Orbital Slot</source>
        <translation>Nach &amp;Orbitposition</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="991"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="56"/>
        <location filename="../src/ui/display/LocationPane.cpp" line="62"/>
        <source>Calculate Look Angles For:</source>
        <translation>Ausrichtwinkel berechnen für:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation>Missweisung a&amp;utomatisch berechnen</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="221"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="337"/>
        <source>Choose a location first.</source>
        <translation>Wählen Sie zuerst einen Standort.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="383"/>
        <source>Choose the printer and its options</source>
        <translation>Drucker und Druckoptionen auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="42"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation>Legt fest, welche Bänder angezeigt werden, wie die Zeilen sortiert sind, ob der Azimut geografisch oder magnetisch ist und ob die Orbitposition hinter dem Namen steht.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="239"/>
        <source>Clearance</source>
        <translation>Freiraum</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>Clearance:</source>
        <translation>Freiraum:</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="75"/>
        <source>Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + and - to zoom, Home to see the whole world again; Space picks the point in the middle.</source>
        <translation>Klicken Sie in die Karte, um einen Punkt zu wählen. Ziehen Sie die Karte oder verschieben Sie sie mit den Pfeiltasten; mit dem Mausrad oder + und - zoomen Sie, mit Pos1 sehen Sie wieder die ganze Welt; die Leertaste wählt den Punkt in der Mitte.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Co&amp;mments</source>
        <translation>&amp;Kommentare</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="81"/>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="500"/>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1024"/>
        <location filename="../src/ui/display/SkyView.cpp" line="541"/>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="565"/>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/core/geomag/GeomagModel.cpp" line="350"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation>%s wurde nicht gefunden.  Die Missweisung kann nicht berechnet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/SplashWnd.cpp" line="21"/>
        <source>Couldn't load bitmap from file.</source>
        <translation>Das Bild konnte nicht aus der Datei geladen werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Coverage &amp;Region</source>
        <translation>Empfangs&amp;region</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="73"/>
        <source>Coverage Region</source>
        <translation>Empfangsregion</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="317"/>
        <source>Create a new workspace</source>
        <translation>Einen neuen Arbeitsbereich anlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Current location</source>
        <translation>Aktueller Standort</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Date (UTC)</source>
        <translation>Datum (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>De&amp;grees West</source>
        <translation>&amp;Grad West</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="61"/>
        <source>Degrees &amp;East</source>
        <translation>Grad &amp;Ost</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;North</source>
        <translation>Grad &amp;Nord</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;South</source>
        <translation>Grad &amp;Süd</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="62"/>
        <source>Degrees &amp;West</source>
        <translation>Grad &amp;West</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="35"/>
        <source>Delay</source>
        <translation>Signallaufzeit</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Dele&amp;te</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="315"/>
        <source>Delete Ob&amp;stacle</source>
        <translation>Hindernis lö&amp;schen</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="29"/>
        <source>Dish face tilt</source>
        <translation>Spiegelneigung</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="59"/>
        <source>Dish o&amp;ffset:</source>
        <translation>O&amp;ffsetwinkel:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="47"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation>Orbit&amp;position beim Satellitennamen anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Distance (m)</source>
        <translation>Entfernung (m)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="53"/>
        <source>Do you want to save changes to %s?</source>
        <translation>Möchten Sie die Änderungen an %s speichern?</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="321"/>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="65"/>
        <source>Each geostationary object of the file and the satellite of the database it was matched with. Checked rows get the object's longitude as their slot.</source>
        <translation>Jedes geostationäre Objekt der Datei und der Satellit der Datenbank, dem es zugeordnet wurde. Angekreuzte Zeilen erhalten die Länge des Objekts als Orbitposition.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="417"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="585"/>
        <source>Edit &amp;Location Data...</source>
        <translation>S&amp;tandortdaten bearbeiten...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="411"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="580"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation>&amp;Satellitendaten bearbeiten...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="73"/>
        <source>Edit Location Database</source>
        <translation>Standortdatenbank bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="314"/>
        <source>Edit Obstac&amp;le...</source>
        <translation>Hindernis bearbei&amp;ten...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="475"/>
        <source>Edit Obstacle</source>
        <translation>Hindernis bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="444"/>
        <source>Edit Point</source>
        <translation>Punkt bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation>Satellitendatenbank bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="579"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="584"/>
        <source>Edit data for </source>
        <translation>Daten bearbeiten für </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="469"/>
        <source>Edit the horizon of the current location: its points and obstacles</source>
        <translation>Den Horizont des aktuellen Standorts bearbeiten: seine Punkte und Hindernisse</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="420"/>
        <source>Edit the location database</source>
        <translation>Die Standortdatenbank bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="414"/>
        <source>Edit the satellite database</source>
        <translation>Die Satellitendatenbank bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation>Entweder Ost oder West muss ausgewählt sein.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="25"/>
        <location filename="../src/core/reports/Report.cpp" line="236"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="53"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Elevation (°)</source>
        <translation>Elevation (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="71"/>
        <source>Elevation:</source>
        <translation>Elevation:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>End (UTC)</source>
        <translation>Ende (UTC)</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="13"/>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="19"/>
        <source>Europe, Africa &amp; Middle East</source>
        <translation>Europa, Afrika und Naher Osten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Every location of the workspace</source>
        <translation>Alle Standorte des Arbeitsbereichs</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="438"/>
        <source>Explain the next item clicked</source>
        <translation>Das nächste angeklickte Element erklären</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="556"/>
        <source>Export Horizon</source>
        <translation>Horizont exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="989"/>
        <source>Export Look Angles</source>
        <translation>Ausrichtwinkel exportieren</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="259"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation>Die Datei %s fehlt oder ist beschädigt.
Ein leerer Arbeitsbereich wird geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="53"/>
        <source>Find Place</source>
        <translation>Ort suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="426"/>
        <source>Find a town by name or on the map and add it to the location database</source>
        <translation>Einen Ort über seinen Namen oder auf der Karte suchen und zur Standortdatenbank hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="49"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="31"/>
        <source>GotoX command</source>
        <translation>GotoX-Befehl</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Height (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="121"/>
        <source>Hori&amp;zon...</source>
        <translation>Hori&amp;zont...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="285"/>
        <source>Horizon</source>
        <translation>Horizont</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="495"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="557"/>
        <source>Horizon Files (*.csv *.txt);;All Files (*)</source>
        <translation>Horizontdateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Horizon points</source>
        <translation>Horizontpunkte</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="64"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation>Die Tilvex-Website finden Sie unter </translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="494"/>
        <source>Import Horizon</source>
        <translation>Horizont importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="368"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="49"/>
        <source>Import Orbital Elements</source>
        <translation>Bahnelemente importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Inclination</source>
        <translation>Inklination</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="52"/>
        <source>Invalid magnetic variation.</source>
        <translation>Ungültige Missweisung.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="47"/>
        <source>K&amp;u</source>
        <translation>K&amp;u</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep the Other</source>
        <translation>Die andere behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation>Die Einstellungen in FILE speichern.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="78"/>
        <source>L&amp;atitude</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="80"/>
        <source>L&amp;ongitude</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="237"/>
        <source>LNB Skew</source>
        <translation>LNB-Drehung</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="74"/>
        <source>LNB Skew:</source>
        <translation>LNB-Drehung:</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="28"/>
        <source>LNB skew</source>
        <translation>LNB-Drehung</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="88"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="88"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="87"/>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Least Angle</source>
        <translation>Min. Winkel</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Local Date</source>
        <translation>Datum (lokal)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local End</source>
        <translation>Ende (lokal)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Peak</source>
        <translation>Maximum (lokal)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Start</source>
        <translation>Beginn (lokal)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="49"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation>Den Standort %s gibt es bereits.  Speichern Sie ihn unter einem neuen Namen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="53"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation>Standortdatenbank</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>Location Name</source>
        <translation>Standortname</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="67"/>
        <source>Location Name:</source>
        <translation>Standortname:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="53"/>
        <source>Location Pane</source>
        <translation>Standortbereich</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="51"/>
        <source>Location must have a name.</source>
        <translation>Der Standort braucht einen Namen.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="50"/>
        <source>Location must have a region selected.</source>
        <translation>Für den Standort muss eine Region ausgewählt sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="67"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="76"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="17"/>
        <source>Locations</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="92"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="90"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="89"/>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="990"/>
        <location filename="../src/ui/display/TilvexView.cpp" line="58"/>
        <source>Look Angles</source>
        <translation>Ausrichtwinkel</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/ui/printing/ReportPdf.cpp" line="42"/>
        <source>Look angles</source>
        <translation>Ausrichtwinkel</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="44"/>
        <source>Look angles for satellite dishes.</source>
        <translation>Ausrichtwinkel für Satellitenspiegel.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="65"/>
        <source>Look angles from</source>
        <translation>Ausrichtwinkel für</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <source>Look angles from:</source>
        <translation>Ausrichtwinkel für:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Magnetic Variation</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="292"/>
        <source>Magnetic Variation: </source>
        <translation>Missweisung: </translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Maiden&amp;head Locator</source>
        <translation>Maidenhead-Loc&amp;ator</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="112"/>
        <source>Maidenhead Locator</source>
        <translation>Maidenhead-Locator</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="105"/>
        <source>Maidenhead locator</source>
        <translation>Maidenhead-Locator</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="58"/>
        <source>Matched satellites</source>
        <translation>Zugeordnete Satelliten</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="14"/>
        <source>Middle East</source>
        <translation>Naher Osten</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="30"/>
        <source>Motor angle</source>
        <translation>Motorwinkel</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="32"/>
        <source>Motor axis elevation</source>
        <translation>Elevation der Motorachse</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="33"/>
        <source>Motor declination</source>
        <translation>Deklination des Motors</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="69"/>
        <source>Names hold at most %1 characters.</source>
        <translation>Namen haben höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="423"/>
        <source>New Location from &amp;Place...</source>
        <translation>Neuer Standort aus &amp;Ortssuche...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="447"/>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="23"/>
        <location filename="../src/core/workspace/Archive.cpp" line="26"/>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="80"/>
        <source>No location</source>
        <translation>Kein Standort</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="243"/>
        <source>No place is called "%1".</source>
        <translation>Kein Ort heißt „%1“.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="114"/>
        <source>No point picked</source>
        <translation>Kein Punkt gewählt</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="18"/>
        <source>North &amp; South America</source>
        <translation>Nord- und Südamerika</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="11"/>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="311"/>
        <source>O&amp;bstacles:</source>
        <translation>Hi&amp;ndernisse:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="307"/>
        <source>Obstacles</source>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <source>Open Workspace</source>
        <translation>Arbeitsbereich öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="323"/>
        <source>Open an existing workspace</source>
        <translation>Einen vorhandenen Arbeitsbereich öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Orbit:</source>
        <translation>Orbit:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>Orbital &amp;Slot</source>
        <translation>Orbit&amp;position</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="60"/>
        <source>Orbital Slot</source>
        <translation>Orbitposition</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="369"/>
        <source>Orbital elements (*.tle *.txt *.csv);;All files (*)</source>
        <translation>Bahnelemente (*.tle *.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="106"/>
        <source>Outage days</source>
        <translation>Störungstage</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="380"/>
        <source>P&amp;rint Setup...</source>
        <translation>Drucke&amp;reinrichtung...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="534"/>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>PNG-Bilder (*.png);;SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="172"/>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="36"/>
        <source>Path loss</source>
        <translation>Freiraumdämpfung</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Peak (UTC)</source>
        <translation>Maximum (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="165"/>
        <source>Pick the site on the map or type its locator.</source>
        <translation>Wählen Sie den Standort auf der Karte oder geben Sie seinen Locator ein.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="112"/>
        <source>Picked point: %1, %2</source>
        <translation>Gewählter Punkt: %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="64"/>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="102"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %s und %s für das Feld „%s“ ein.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="98"/>
        <source>Please enter a number for the %s.</source>
        <translation>Bitte geben Sie eine Zahl für das Feld „%s“ ein.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="160"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation>Bitte geben Sie eine Zahl für den Spiegeldurchmesser und die Frequenz ein.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="107"/>
        <source>Please enter no more than %d characters.</source>
        <translation>Bitte geben Sie höchstens %d Zeichen ein.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="291"/>
        <source>Points are joined by straight lines around the circle.  An obstacle raises the horizon to the angle of its top over its width, centred on its bearing.</source>
        <translation>Die Punkte werden rundherum durch gerade Linien verbunden.  Ein Hindernis hebt den Horizont über seine Breite, mittig um seine Richtung, bis zum Winkel seiner Oberkante an.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="453"/>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="350"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="61"/>
        <source>Print &amp;Aiming Sheet...</source>
        <translation>&amp;Ausrichtblatt drucken...</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="38"/>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="344"/>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>Print look angles for:</source>
        <translation>Ausrichtwinkel drucken für:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="341"/>
        <source>Print the look angles</source>
        <translation>Die Ausrichtwinkel drucken</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="353"/>
        <source>Print the look angles without asking</source>
        <translation>Die Ausrichtwinkel ohne Rückfrage drucken</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation>Diese Hinweise zum Aufruf ausgeben und beenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>Quit Tilvex</source>
        <translation>Tilvex beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="365"/>
        <source>Read a TLE or OMM CSV file and bring the satellites' slots to where they really are</source>
        <translation>Eine TLE- oder OMM-CSV-Datei einlesen und die Orbitpositionen der Satelliten auf ihre tatsächliche Position setzen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation>Die Datendateien in DIR lesen und schreiben.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="148"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="721"/>
        <source>Ready</source>
        <translation>Bereit</translation>
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
        <translation>Den ausgewählten Satelliten oder Standort aus dem Arbeitsbereich entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="98"/>
        <source>S&amp;un Outages...</source>
        <translation>&amp;Sonnenstörungen...</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/RecordEditorDlg.cpp" line="40"/>
        <source>Sa&amp;ve</source>
        <translation>Sp&amp;eichern</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="223"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="44"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="45"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation>Den Satelliten %s gibt es bereits.  Speichern Sie ihn unter einem neuen Namen.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite &amp;Name</source>
        <translation>Satelliten&amp;name</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation>Satellitendatenbank</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="49"/>
        <source>Satellite Details</source>
        <translation>Satellitendetails</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="56"/>
        <source>Satellite Grid</source>
        <translation>Satellitentabelle</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation>Optionen der Satellitentabelle</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="23"/>
        <source>Satellite Info Pane</source>
        <translation>Satelliteninfobereich</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation>Satellitenlistenbereich</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="47"/>
        <source>Satellite must have a name.</source>
        <translation>Der Satellit braucht einen Namen.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a region selected.</source>
        <translation>Für den Satelliten muss eine Region ausgewählt sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Satellite:</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="144"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="21"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Save Again</source>
        <translation>Erneut speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Save Under Another Name...</source>
        <translation>Unter anderem Namen speichern...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="332"/>
        <source>Save Workspace &amp;As...</source>
        <translation>Arbeitsbereich speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="182"/>
        <source>Save Workspace As</source>
        <translation>Arbeitsbereich speichern unter</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="234"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="335"/>
        <source>Save the new location first: a horizon belongs to a saved location.</source>
        <translation>Speichern Sie zuerst den neuen Standort: Ein Horizont gehört zu einem gespeicherten Standort.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="462"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation>Die Himmelsansicht als PNG- oder SVG-Bild speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="329"/>
        <source>Save the workspace</source>
        <translation>Den Arbeitsbereich speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="335"/>
        <source>Save the workspace under a new name</source>
        <translation>Den Arbeitsbereich unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="57"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="37"/>
        <source>Shadow time</source>
        <translation>Schattenzeit</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="38"/>
        <source>Shadow time (local)</source>
        <translation>Schattenzeit (lokal)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="104"/>
        <source>Show &amp;objects without a satellite</source>
        <translation>&amp;Objekte ohne Satellit anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="377"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation>Den geostationären Bogen am Himmel des aktuellen Standorts zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="432"/>
        <source>Show the help</source>
        <translation>Die Hilfe anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="347"/>
        <source>Show the printed pages</source>
        <translation>Die Druckseiten vorab anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="444"/>
        <source>Show the program's version</source>
        <translation>Die Version des Programms anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="41"/>
        <source>Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar).</source>
        <translation>Die Fenster in der Sprache CODE anzeigen (en, de, es, fr, it, pl, tr, ar).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="786"/>
        <source>Show the windows in this language the next time Tilvex starts</source>
        <translation>Die Fenster beim nächsten Start von Tilvex in dieser Sprache anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation>Zeigt die Standortdatenbank nach Regionen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation>Zeigt die Satellitendatenbank nach Empfangsregionen.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="44"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation>Zeigt die Daten des ausgewählten Satelliten und seine Ausrichtwinkel vom aktuellen Standort.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="288"/>
        <source>Site Latitude: </source>
        <translation>Breite des Standorts: </translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="290"/>
        <source>Site Longitude: </source>
        <translation>Länge des Standorts: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="455"/>
        <location filename="../src/ui/display/SkyView.cpp" line="470"/>
        <location filename="../src/ui/display/SkyView.cpp" line="516"/>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Sky View</source>
        <translation>Himmelsansicht</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="34"/>
        <source>Slant range</source>
        <translation>Schrägentfernung</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="229"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Slot</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="48"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation>Die Orbitposition muss zwischen 0 und 360 liegen.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="75"/>
        <source>Slot:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="38"/>
        <source>Some horizons could not be read; the lines stay in the file as they are:</source>
        <translation>Einige Horizonte konnten nicht gelesen werden; die Zeilen bleiben unverändert in der Datei:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="31"/>
        <source>Some imported orbits could not be read; the lines stay in the file as they are:</source>
        <translation>Einige importierte Bahndaten konnten nicht gelesen werden; die Zeilen bleiben unverändert in der Datei:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="29"/>
        <source>Sort Satellites</source>
        <translation>Satelliten sortieren</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="12"/>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="17"/>
        <source>South Pacific</source>
        <translation>Südpazifik</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="535"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Start (UTC)</source>
        <translation>Beginn (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation>Ohne Startbild starten.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="59"/>
        <source>Sun Outages</source>
        <translation>Sonnenstörungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="790"/>
        <source>System Default</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="109"/>
        <source>The Maidenhead locator of the point ("JP99lp"). Type a locator of four or six characters to move the point to the middle of its square.</source>
        <translation>Der Maidenhead-Locator des Punkts („JP99lp“). Geben Sie einen Locator mit vier oder sechs Zeichen ein, um den Punkt in die Mitte seines Feldes zu setzen.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation>Die Bänder, deren Satelliten die Tabelle anzeigt. Sie werden unter „Tabellenoptionen“ geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="95"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation>Die Uhr, nach der sich die Ortszeit-Spalten richten: die dieses Computers oder eine feste Zeitverschiebung gegenüber UTC, etwa die des Standorts.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="56"/>
        <source>The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish</source>
        <translation>Der Offsetwinkel des Spiegels in Grad: 22,6 für einen üblichen Offsetspiegel, 0 für einen Prime-Focus-Spiegel</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="246"/>
        <source>The first %1 places are listed, the most likely first; type more of the name to find others.</source>
        <translation>Die ersten %1 Orte werden angezeigt, der wahrscheinlichste zuerst; geben Sie mehr vom Namen ein, um andere zu finden.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="61"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.  The location's horizon is the brown silhouette; drag its points to change it.</source>
        <translation>Der geostationäre Bogen, vom aktuellen Standort aus gesehen: Norden oben, der Horizont am Rand und der Zenit in der Mitte.  Klicken Sie auf einen Satelliten, um ihn zum aktuellen zu machen.  Der Horizont des Standorts ist die braune Silhouette; ziehen Sie seine Punkte, um ihn zu ändern.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="287"/>
        <source>The horizon at %1</source>
        <translation>Der Horizont am Standort %1</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="299"/>
        <source>The horizon's outline: true azimuths with the elevation of the horizon there.</source>
        <translation>Der Umriss des Horizonts: geografische Azimute mit der jeweiligen Elevation des Horizonts.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="55"/>
        <source>The horizons could not be saved:</source>
        <translation>Die Horizonte konnten nicht gespeichert werden:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="57"/>
        <source>The imported orbits could not be saved:</source>
        <translation>Die importierten Bahndaten konnten nicht gespeichert werden:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="802"/>
        <source>The language could not be kept in the settings file.</source>
        <translation>Die Sprache konnte nicht in der Einstellungsdatei gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="167"/>
        <source>The list of places (%1) is not in the data folder, so places cannot be found by name.</source>
        <translation>Die Ortsliste (%1) ist nicht im Datenordner, daher können Orte nicht über ihren Namen gefunden werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="173"/>
        <source>The list of places cannot be read (%1), so places cannot be found by name.</source>
        <translation>Die Ortsliste kann nicht gelesen werden (%1), daher können Orte nicht über ihren Namen gefunden werden.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="123"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation>Die Standortdatenbank konnte nicht gespeichert werden: %s

Erneut speichern oder verwerfen?</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="64"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation>Der Standort, dessen Ausrichtwinkel die Tabelle zeigt. Wählen Sie in der Liste darunter einen anderen.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationTree.cpp" line="10"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Die Standorte, aus denen Sie wählen können, nach Regionen. Ziehen Sie einen (oder eine ganze Region) in den Arbeitsbereich, oder wählen Sie ihn aus und dann Bearbeiten &gt; Zum Arbeitsbereich hinzufügen. Doppelklicken Sie auf einen Standort, um seine Daten zu bearbeiten.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="152"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation>Die Ausrichtwinkel der Satelliten des Arbeitsbereichs vom aktuellen Standort: Azimut und Elevation; „--“ bedeutet, dass der Satellit unter dem Horizont steht.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="58"/>
        <source>The name of a town or city near the site</source>
        <translation>Der Name eines Ortes in der Nähe des Standorts</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="336"/>
        <source>The obstacles and the horizon seen from this location</source>
        <translation>Die Hindernisse und der Horizont von diesem Standort aus</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="120"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation>Die Satellitendatenbank konnte nicht gespeichert werden: %s

Erneut speichern oder verwerfen?</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="24"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation>Der in der Tabelle ausgewählte Satellit: sein Name, seine Orbitposition und seine Bänder.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="10"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Die Satelliten, aus denen Sie wählen können, nach Empfangsregionen. Ziehen Sie einen (oder eine ganze Region) in den Arbeitsbereich, oder wählen Sie ihn aus und dann Bearbeiten &gt; Zum Arbeitsbereich hinzufügen. Doppelklicken Sie auf einen Satelliten, um seine Daten zu bearbeiten.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1005"/>
        <source>The workspace has no location to export.</source>
        <translation>Der Arbeitsbereich enthält keinen Standort zum Exportieren.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="70"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation>Die Standorte des Arbeitsbereichs. Klicken Sie auf einen, um die Ausrichtwinkel von dort zu berechnen.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="183"/>
        <source>The world map (%1) is not in the data folder: only the lines of latitude and longitude are shown.</source>
        <translation>Die Weltkarte (%1) ist nicht im Datenordner: Es werden nur die Breiten- und Längengrade gezeigt.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="188"/>
        <source>The world map cannot be read (%1): only the lines of latitude and longitude are shown.</source>
        <translation>Die Weltkarte kann nicht gelesen werden (%1): Es werden nur die Breiten- und Längengrade gezeigt.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="244"/>
        <source>These lines of %1 were not imported; the rest of the file was:</source>
        <translation>Diese Zeilen von %1 wurden nicht importiert; der Rest der Datei schon:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="82"/>
        <source>This computer's time (%1)</source>
        <translation>Zeit dieses Computers (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation>Tilvex-Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="54"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation>Tilvex kann einige Zeichen im Feld „%s“ nicht speichern.  Verwenden Sie nur westeuropäische Buchstaben, Ziffern und Zeichen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="63"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation>Tilvex konnte Ihren Browser nicht finden.  </translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="806"/>
        <source>Tilvex will show its windows in %1 the next time it starts.</source>
        <translation>Beim nächsten Start zeigt Tilvex seine Fenster in dieser Sprache: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="308"/>
        <source>Trees and buildings as measured from the dish: the true bearing of the middle, the height above the dish, the distance and the width in degrees.</source>
        <translation>Bäume und Gebäude, vom Spiegel aus gemessen: die geografische Richtung ihrer Mitte, die Höhe über dem Spiegel, die Entfernung und die Breite in Grad.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="217"/>
        <source>Type the name of a town or city near the site, or pick the site on the map.</source>
        <translation>Geben Sie den Namen eines Ortes in der Nähe des Standorts ein oder wählen Sie den Standort auf der Karte.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="138"/>
        <source>Unable to create %s</source>
        <translation>%s kann nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="113"/>
        <source>Unable to open %s</source>
        <translation>%s kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/TilvexDoc.h" line="48"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation>Unerwartetes Dateiformat.
Ein leerer Arbeitsbereich wird geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="294"/>
        <source>Updated:  </source>
        <translation>Stand:  </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="50"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation>Ob die Azimute von magnetisch Nord aus gemessen werden, wie ein Kompass zeigt, oder von geografisch Nord, wie eine Karte zeigt. Wird unter „Tabellenoptionen“ geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Width (°)</source>
        <translation>Breite (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <location filename="../src/ui/app/TilvexApp.cpp" line="183"/>
        <source>Workspace Files(*.wrk)</source>
        <translation>Arbeitsbereichsdateien (*.wrk)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="293"/>
        <source>Workspace: </source>
        <translation>Arbeitsbereich: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/TilvexView.cpp" line="103"/>
        <source>Workspace:  </source>
        <translation>Arbeitsbereich:  </translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="73"/>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="359"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation>Die Ausrichtwinkel der Tabelle in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>back</source>
        <translation>nach hinten</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>bearing</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="197"/>
        <source>blocked by the horizon by %1</source>
        <translation>um %1 vom Horizont verdeckt</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="155"/>
        <source>cannot use the data folder %1</source>
        <translation>Datenordner %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="161"/>
        <source>comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>forward</source>
        <translation>nach vorn</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="271"/>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="136"/>
        <source>location database not saved: %s</source>
        <translation>Standortdatenbank nicht gespeichert: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="262"/>
        <source>location name</source>
        <translation>Standortname</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="267"/>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="269"/>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="33"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="839"/>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="71"/>
        <source>only one workspace can be opened</source>
        <translation>es kann nur ein Arbeitsbereich geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="164"/>
        <source>orbital slot</source>
        <translation>Orbitposition</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="135"/>
        <source>satellite database not saved: %s</source>
        <translation>Satellitendatenbank nicht gespeichert: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="159"/>
        <source>satellite name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="146"/>
        <source>the dish diameter must be greater than 0 metres</source>
        <translation>der Spiegeldurchmesser muss größer als 0 Meter sein</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="152"/>
        <source>the dish is too small for this frequency: its beam would reach more than 45 degrees from the satellite</source>
        <translation>der Spiegel ist für diese Frequenz zu klein: Seine Empfangskeule würde mehr als 45 Grad vom Satelliten weg reichen</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="148"/>
        <source>the frequency must be greater than 0 GHz</source>
        <translation>die Frequenz muss größer als 0 GHz sein</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="174"/>
        <source>the settings file %1 is not used: %2</source>
        <translation>die Einstellungsdatei %1 wird nicht verwendet: %2</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="150"/>
        <source>the year must be from 1900 to 2100</source>
        <translation>das Jahr muss zwischen 1900 und 2100 liegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/main.cpp" line="38"/>
        <source>there is no translation for "%1"; the languages are %2</source>
        <translation>es gibt keine Übersetzung für „%1“; verfügbare Sprachen: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>width</source>
        <translation>Breite</translation>
    </message>
</context>
</TS>
