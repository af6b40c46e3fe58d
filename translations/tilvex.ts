<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/display/StatusText.cpp" line="27"/>
        <source> (automatic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/StatusText.cpp" line="24"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.cpp" line="21"/>
        <source> East to
180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.cpp" line="22"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.cpp" line="20"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="85"/>
        <source>%1 (the site's longitude)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="29"/>
        <source>%1 contained an unexpected object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="30"/>
        <source>%1 contains an incorrect schema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="28"/>
        <source>%1 has a bad format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="190"/>
        <source>%s was changed by another program. Overwrite it, or keep it and save yours under another name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="62"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="291"/>
        <source>&amp;About Tilvex...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="91"/>
        <source>&amp;Add Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="277"/>
        <location filename="../src/app/MainFrame.cpp" line="397"/>
        <source>&amp;Add to Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;All locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="30"/>
        <source>&amp;Alphabetically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="20"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>&amp;C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="321"/>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="114"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="280"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>&amp;Current Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="21"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="58"/>
        <source>&amp;DBS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="89"/>
        <source>&amp;Degrees East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="39"/>
        <source>&amp;Detailed Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="95"/>
        <source>&amp;Dish diameter (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="341"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="76"/>
        <source>&amp;Edit Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="267"/>
        <source>&amp;Export Look Angles...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="319"/>
        <location filename="../src/display/SkyView.cpp" line="316"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="96"/>
        <source>&amp;Frequency (GHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="351"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="288"/>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="98"/>
        <source>&amp;Local times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="74"/>
        <source>&amp;Location Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="38"/>
        <source>&amp;Magnetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="88"/>
        <source>&amp;Magnetic Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="52"/>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="253"/>
        <source>&amp;New Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="255"/>
        <source>&amp;Open Workspace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="261"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="105"/>
        <source>&amp;Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="274"/>
        <location filename="../src/app/MainFrame.cpp" line="392"/>
        <source>&amp;Remove from Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="317"/>
        <source>&amp;Save Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="257"/>
        <source>&amp;Save Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="269"/>
        <source>&amp;Sky View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="282"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="347"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="37"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="289"/>
        <source>&amp;What's This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="97"/>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGridModel.cpp" line="61"/>
        <location filename="../src/display/SatellitePane.cpp" line="46"/>
        <source>(Magnetic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="127"/>
        <source>(Magnetic):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGridModel.cpp" line="61"/>
        <source>(True)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="127"/>
        <source>(True):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="224"/>
        <source>(no region)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="225"/>
        <source>(unknown region %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="29"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="591"/>
        <source>A database changed by another program was read again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="44"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="26"/>
        <source>About Tilvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="111"/>
        <source>Add Locat&amp;ion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="279"/>
        <source>Add the selected database entries to the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="26"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="27"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="25"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="24"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="53"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="72"/>
        <source>At least one band must be selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="37"/>
        <location filename="../src/display/SatellitePane.cpp" line="44"/>
        <location filename="../src/printing/Report.cpp" line="185"/>
        <source>Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="127"/>
        <source>Azimuth </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Azimuth (Magnetic):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="55"/>
        <source>Band(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="47"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="26"/>
        <source>Bands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="29"/>
        <source>By &amp;Orbital Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="745"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="55"/>
        <location filename="../src/display/LocationPane.cpp" line="61"/>
        <source>Calculate Look Angles For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="87"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="271"/>
        <source>Choose the printer and its options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="41"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="94"/>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="84"/>
        <source>Co&amp;mments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="87"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="62"/>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/geomag/GeomagModel.cpp" line="334"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/SplashWnd.cpp" line="20"/>
        <source>Couldn't load bitmap from file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="78"/>
        <source>Coverage &amp;Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="81"/>
        <source>Coverage Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="254"/>
        <source>Create a new workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="738"/>
        <source>Current location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="89"/>
        <source>De&amp;grees West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="93"/>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="86"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="69"/>
        <source>Degrees &amp;East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="83"/>
        <source>Degrees &amp;North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="84"/>
        <source>Degrees &amp;South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="85"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Degrees &amp;West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="113"/>
        <source>Dele&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="93"/>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="46"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="52"/>
        <source>Do you want to save changes to %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="273"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="286"/>
        <location filename="../src/app/MainFrame.cpp" line="407"/>
        <source>Edit &amp;Location Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="284"/>
        <location filename="../src/app/MainFrame.cpp" line="403"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="72"/>
        <source>Edit Location Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <source>Edit Satellite Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="403"/>
        <location filename="../src/app/MainFrame.cpp" line="407"/>
        <source>Edit data for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="286"/>
        <source>Edit the location database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="284"/>
        <source>Edit the satellite database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="51"/>
        <location filename="../src/printing/Report.cpp" line="187"/>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="56"/>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="738"/>
        <source>Every location of the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="290"/>
        <source>Explain the next item clicked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="741"/>
        <location filename="../src/app/MainFrame.cpp" line="744"/>
        <source>Export Look Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/RecordDatabase.h" line="229"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="48"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="60"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="51"/>
        <source>Invalid magnetic variation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="56"/>
        <source>K&amp;u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="61"/>
        <source>Keep Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="61"/>
        <source>Keep the Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="83"/>
        <source>L&amp;atitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="85"/>
        <source>L&amp;ongitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="188"/>
        <source>LNB Skew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="92"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="48"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TabView.cpp" line="53"/>
        <location filename="../src/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="77"/>
        <source>Location Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <source>Location Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="52"/>
        <source>Location Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="50"/>
        <source>Location must have a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="49"/>
        <source>Location must have a region selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="65"/>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/locations/LocationTree.cpp" line="16"/>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="744"/>
        <location filename="../src/display/TilvexView.cpp" line="44"/>
        <source>Look Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/printing/ReportPdf.cpp" line="38"/>
        <source>Look angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="42"/>
        <source>Look angles for satellite dishes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="50"/>
        <source>Look angles from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="741"/>
        <source>Look angles from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="100"/>
        <source>Magnetic Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="226"/>
        <source>Magnetic Variation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DialogExchange.cpp" line="64"/>
        <source>Names hold at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="292"/>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="21"/>
        <location filename="../src/workspace/Archive.cpp" line="23"/>
        <source>No error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="545"/>
        <source>Open Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="256"/>
        <source>Open an existing workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="65"/>
        <source>Orbital &amp;Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="68"/>
        <source>Orbital Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="102"/>
        <source>Outage days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="188"/>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="271"/>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="143"/>
        <source>Page %d of %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DataExchange.cpp" line="84"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DataExchange.cpp" line="80"/>
        <source>Please enter a number for the %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="154"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DataExchange.cpp" line="88"/>
        <source>Please enter no more than %d characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="293"/>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="265"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="37"/>
        <source>Print Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="263"/>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="39"/>
        <source>Print look angles for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="262"/>
        <source>Print the look angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="265"/>
        <source>Print the look angles without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="273"/>
        <source>Quit Tilvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="127"/>
        <location filename="../src/app/MainFrame.cpp" line="529"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="108"/>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="276"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="79"/>
        <source>S&amp;un Outages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="112"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="92"/>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="43"/>
        <location filename="../src/printing/Report.cpp" line="182"/>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="44"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="45"/>
        <source>Satellite &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TabView.cpp" line="52"/>
        <location filename="../src/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="42"/>
        <source>Satellite Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="54"/>
        <source>Satellite Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="21"/>
        <source>Satellite Info Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="48"/>
        <source>Satellite Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="45"/>
        <source>Satellite must have a region selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="45"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="26"/>
        <source>Satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGrid.cpp" line="111"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="52"/>
        <location filename="../src/satellites/SatelliteTree.cpp" line="20"/>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="93"/>
        <source>Save Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="365"/>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="188"/>
        <source>Save Under Another Name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="259"/>
        <source>Save Workspace &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="164"/>
        <source>Save Workspace As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="212"/>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="319"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="258"/>
        <source>Save the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="259"/>
        <source>Save the workspace under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="270"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="288"/>
        <source>Show the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="263"/>
        <source>Show the printed pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="291"/>
        <source>Show the program's version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="224"/>
        <source>Site Latitude: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="225"/>
        <source>Site Longitude: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="312"/>
        <location filename="../src/display/SkyView.cpp" line="350"/>
        <location filename="../src/display/SkyView.cpp" line="365"/>
        <source>Sky View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="184"/>
        <source>Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="47"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="46"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="26"/>
        <source>Slot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="28"/>
        <source>Sort Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="362"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="57"/>
        <source>Sun Outages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="91"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="48"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="109"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="62"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationTree.cpp" line="9"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGrid.cpp" line="118"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="107"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="22"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteTree.cpp" line="9"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="758"/>
        <source>The workspace has no location to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="68"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="79"/>
        <source>This computer's time (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DialogExchange.cpp" line="49"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="59"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/RecordDatabase.h" line="130"/>
        <source>Unable to create %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/RecordDatabase.h" line="106"/>
        <source>Unable to open %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/TilvexDoc.h" line="47"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="228"/>
        <source>Updated:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="48"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="545"/>
        <location filename="../src/app/TilvexApp.cpp" line="165"/>
        <source>Workspace Files(*.wrk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="227"/>
        <source>Workspace: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/TilvexView.cpp" line="81"/>
        <source>Workspace:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="268"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="140"/>
        <source>cannot use the data folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="246"/>
        <source>comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="310"/>
        <source>latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="120"/>
        <source>location database not saved: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="301"/>
        <source>location name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="307"/>
        <source>longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="601"/>
        <source>not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="69"/>
        <source>only one workspace can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="251"/>
        <source>orbital slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/DatabaseEditor.cpp" line="119"/>
        <source>satellite database not saved: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="245"/>
        <source>satellite name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="157"/>
        <source>the settings file %1 is not used: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
