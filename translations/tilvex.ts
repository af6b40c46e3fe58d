<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/display/StatusText.cpp" line="16"/>
        <source> (automatic)</source>
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
        <location filename="../src/workspace/Archive.cpp" line="28"/>
        <source>%1 contained an unexpected object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="29"/>
        <source>%1 contains an incorrect schema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="27"/>
        <source>%1 has a bad format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/StatusText.cpp" line="12"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="222"/>
        <source>&amp;About Tilvex...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="89"/>
        <source>&amp;Add Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="208"/>
        <location filename="../src/app/MainFrame.cpp" line="324"/>
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
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="55"/>
        <source>&amp;C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="112"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="211"/>
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
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="56"/>
        <source>&amp;DBS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="87"/>
        <source>&amp;Degrees East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="37"/>
        <source>&amp;Detailed Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="57"/>
        <source>&amp;Dish diameter (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="272"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="72"/>
        <source>&amp;Edit Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="582"/>
        <source>&amp;Export Look Angles...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="250"/>
        <location filename="../src/display/SkyView.cpp" line="206"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="58"/>
        <source>&amp;Frequency (GHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="38"/>
        <source>&amp;Grid Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="278"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="219"/>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="71"/>
        <source>&amp;Location Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="38"/>
        <source>&amp;Magnetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="86"/>
        <source>&amp;Magnetic Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="52"/>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="188"/>
        <source>&amp;New Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="190"/>
        <source>&amp;Open Workspace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="196"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="103"/>
        <source>&amp;Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="205"/>
        <location filename="../src/app/MainFrame.cpp" line="319"/>
        <source>&amp;Remove from Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="192"/>
        <source>&amp;Save Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="213"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="32"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="220"/>
        <source>&amp;What's This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="59"/>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGridModel.cpp" line="61"/>
        <location filename="../src/display/SatellitePane.cpp" line="45"/>
        <source>(Magnetic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="113"/>
        <source>(Magnetic):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGridModel.cpp" line="61"/>
        <source>(True)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="113"/>
        <source>(True):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="213"/>
        <source>(no region)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="214"/>
        <source>(unknown region %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="29"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="38"/>
        <source>A workspace (.wrk) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="26"/>
        <source>About Tilvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Add Locat&amp;ion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="210"/>
        <source>Add the selected database entries to the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="25"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="26"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="24"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="23"/>
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
        <location filename="../src/display/SatellitePane.cpp" line="43"/>
        <location filename="../src/printing/Report.cpp" line="149"/>
        <source>Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="113"/>
        <source>Azimuth </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <source>Azimuth (Magnetic):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="36"/>
        <source>Band Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="33"/>
        <source>Band Filters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="53"/>
        <source>Band(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="45"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="25"/>
        <source>Bands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="29"/>
        <source>By &amp;Orbital Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="54"/>
        <location filename="../src/display/LocationPane.cpp" line="60"/>
        <source>Calculate Look Angles For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="85"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="202"/>
        <source>Choose the printer and its options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="40"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="92"/>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="82"/>
        <source>Co&amp;mments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="85"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="59"/>
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
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Coverage &amp;Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Coverage Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="189"/>
        <source>Create a new workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="87"/>
        <source>De&amp;grees West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="91"/>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="84"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="67"/>
        <source>Degrees &amp;East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="81"/>
        <source>Degrees &amp;North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Degrees &amp;South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="83"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="68"/>
        <source>Degrees &amp;West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="111"/>
        <source>Dele&amp;te</source>
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
        <location filename="../src/app/MainFrame.cpp" line="204"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="217"/>
        <location filename="../src/app/MainFrame.cpp" line="334"/>
        <source>Edit &amp;Location Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="215"/>
        <location filename="../src/app/MainFrame.cpp" line="329"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="69"/>
        <source>Edit Location Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="328"/>
        <location filename="../src/app/MainFrame.cpp" line="333"/>
        <source>Edit data for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="217"/>
        <source>Edit the location database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="215"/>
        <source>Edit the satellite database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="50"/>
        <location filename="../src/printing/Report.cpp" line="151"/>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="221"/>
        <source>Explain the next item clicked</source>
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
        <location filename="../src/workspace/RecordDatabase.h" line="140"/>
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
        <location filename="../src/app/AboutDlg.cpp" line="55"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="51"/>
        <source>Invalid magnetic variation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="54"/>
        <source>K&amp;u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="35"/>
        <source>Keep the settings in FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="81"/>
        <source>L&amp;atitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="83"/>
        <source>L&amp;ongitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="90"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="75"/>
        <source>Local times are those of this computer (%1, UTC%2%3).</source>
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
        <location filename="../src/locations/LocationEditorDlg.cpp" line="74"/>
        <source>Location Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="50"/>
        <source>Location Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="51"/>
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
        <location filename="../src/display/LocationPane.cpp" line="64"/>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="79"/>
        <location filename="../src/locations/LocationTree.cpp" line="16"/>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="94"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/TilvexView.cpp" line="44"/>
        <source>Look Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintSupport.cpp" line="48"/>
        <source>Look angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="32"/>
        <source>Look angles for satellite dishes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="48"/>
        <source>Look angles from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="98"/>
        <source>Magnetic Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="181"/>
        <source>Magnetic Variation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="223"/>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/Archive.cpp" line="20"/>
        <location filename="../src/workspace/Archive.cpp" line="22"/>
        <source>No error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="420"/>
        <source>Open Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="191"/>
        <source>Open an existing workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="63"/>
        <source>Orbital &amp;Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="66"/>
        <source>Orbital Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="63"/>
        <source>Outage days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="202"/>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="116"/>
        <source>Page %d of %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DataExchange.cpp" line="80"/>
        <source>Please enter a number between %s and %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DataExchange.cpp" line="84"/>
        <source>Please enter no more than %d characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="224"/>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="200"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="37"/>
        <source>Print Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="198"/>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintOptionsDlg.cpp" line="39"/>
        <source>Print look angles for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="197"/>
        <source>Print the look angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="200"/>
        <source>Print the look angles without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="204"/>
        <source>Quit Tilvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="36"/>
        <source>Read and write the data files in DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="88"/>
        <location filename="../src/app/MainFrame.cpp" line="408"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="106"/>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="207"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>S&amp;un Outages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="110"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="90"/>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="42"/>
        <location filename="../src/printing/Report.cpp" line="147"/>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="44"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="42"/>
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
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="40"/>
        <source>Satellite Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="53"/>
        <source>Satellite Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="20"/>
        <source>Satellite Info Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="30"/>
        <source>Satellite List Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="45"/>
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
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="43"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="25"/>
        <source>Satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGrid.cpp" line="105"/>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="50"/>
        <location filename="../src/satellites/SatelliteTree.cpp" line="20"/>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="194"/>
        <source>Save Workspace &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="129"/>
        <source>Save Workspace As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="179"/>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="209"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="193"/>
        <source>Save the workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="194"/>
        <source>Save the workspace under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="580"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="219"/>
        <source>Show the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="198"/>
        <source>Show the printed pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="222"/>
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
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="39"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="179"/>
        <source>Site Latitude: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="180"/>
        <source>Site Longitude: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="202"/>
        <source>Sky View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/EditorRules.h" line="47"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteDetailsDlg.cpp" line="44"/>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="25"/>
        <source>Slot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/GridOptionsDlg.cpp" line="28"/>
        <source>Sort Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="289"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="34"/>
        <source>Start without the splash picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SunOutageDlg.cpp" line="42"/>
        <source>Sun Outages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/DialogExchange.cpp" line="51"/>
        <source>The %s holds characters that Tilvex cannot store.  Use only Western European letters, digits and signs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="37"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SkyView.cpp" line="39"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="61"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationTree.cpp" line="9"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/ArcGrid.cpp" line="112"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteInfoPane.cpp" line="21"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteTree.cpp" line="9"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="646"/>
        <source>The workspace has no location to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/LocationPane.cpp" line="67"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutDlg.cpp" line="54"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/RecordDatabase.h" line="114"/>
        <source>Unable to create %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/RecordDatabase.h" line="81"/>
        <source>Unable to open %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/workspace/TilvexDoc.h" line="46"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="183"/>
        <source>Updated:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/SatellitePane.cpp" line="47"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="420"/>
        <location filename="../src/app/TilvexApp.cpp" line="130"/>
        <source>Workspace Files(*.wrk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/Report.cpp" line="182"/>
        <source>Workspace: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/TilvexView.cpp" line="81"/>
        <source>Workspace:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainFrame.cpp" line="584"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="110"/>
        <source>cannot use the data folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="238"/>
        <source>comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/locations/LocationEditorDlg.cpp" line="289"/>
        <source>location name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TilvexApp.cpp" line="49"/>
        <source>only one workspace can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/satellites/SatelliteEditorDlg.cpp" line="237"/>
        <source>satellite name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
