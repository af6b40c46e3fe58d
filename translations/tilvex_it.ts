<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="28"/>
        <source> (automatic)</source>
        <translation> (automatica)</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="25"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation> (automatica; il modello magnetico è valido dal %.0f al %.0f)</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.h" line="21"/>
        <source> (seen from behind the dish)</source>
        <translation> (visto da dietro la parabola)</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> East</source>
        <translation> Est</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="23"/>
        <source> East to
180</source>
        <translation> Est a
180</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> West</source>
        <translation> Ovest</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="24"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation> Ovest.  I valori maggiori verranno convertiti in
questo formato, con i valori Est e Ovest modificati
di conseguenza.</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> clockwise</source>
        <translation> in senso orario</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> counter-clockwise</source>
        <translation> in senso antiorario</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="22"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation> usa posizioni orbitali comprese tra 180</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Impossibile trovare il file.
Verificare che il percorso e il nome del file siano corretti.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="533"/>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Non è stato importato nulla.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="548"/>
        <source>%1
These lines were left out; the rest of the file was imported.</source>
        <translation>%1
Queste righe sono state escluse; il resto del file è stato importato.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="61"/>
        <source>%1 (%2) from %3</source>
        <translation>%1 (%2) da %3</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (blocked)</source>
        <translation>%1 (ostruito)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (clear)</source>
        <translation>%1 (libero)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="88"/>
        <source>%1 (the site's longitude)</source>
        <translation>%1 (longitudine della località)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="44"/>
        <source>%1 contained an unexpected object.</source>
        <translation>%1 conteneva un oggetto imprevisto.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="47"/>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 contiene uno schema non corretto.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="164"/>
        <source>%1 geostationary objects in the file, %2 of them matched with the satellite database. Checked rows differ from their slot by more than 0.05%3.</source>
        <translation>%1 oggetti geostazionari nel file, di cui %2 associati al database dei satelliti. Le righe spuntate si discostano dalla propria posizione orbitale di oltre 0,05%3.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="41"/>
        <source>%1 has a bad format.</source>
        <translation>%1 ha un formato non valido.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="252"/>
        <source>%1 holds no geostationary object.</source>
        <translation>%1 non contiene alcun oggetto geostazionario.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="537"/>
        <source>%1 holds no horizon points or obstacles.</source>
        <translation>%1 non contiene né punti dell'orizzonte né ostacoli.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="505"/>
        <source>%1 is too large for a horizon file.</source>
        <translation>%1 è troppo grande per un file dell'orizzonte.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="252"/>
        <source>%1 places are listed, the most likely first.</source>
        <translation>Sono elencati %1 luoghi, i più probabili per primi.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="38"/>
        <source>%1 was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%1 è stato modificato qui e da un altro programma dopo la lettura del file.

Mantenere la versione modificata qui?</translation>
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
        <translation>%s è stato modificato da un altro programma. Sovrascriverlo, oppure mantenerlo e salvare la propria versione con un altro nome?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="67"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%s è stato modificato qui e da un altro programma dopo la lettura del file.

Mantenere la versione modificata qui?</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation>%s: %.2f°%s %.2f°%s, declinazione %.1f°%s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="441"/>
        <source>&amp;About Tilvex...</source>
        <translation>&amp;Informazioni su Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="24"/>
        <source>&amp;Add Location(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Aggiungi località all'area di lavoro	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="302"/>
        <source>&amp;Add Point...</source>
        <translation>&amp;Aggiungi punto...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>&amp;Add Satellite</source>
        <translation>&amp;Aggiungi satellite</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="25"/>
        <source>&amp;Add Satellite(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Aggiungi satelliti all'area di lavoro	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="393"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="573"/>
        <source>&amp;Add to Workspace</source>
        <translation>&amp;Aggiungi all'area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="42"/>
        <source>&amp;All locations</source>
        <translation>&amp;Tutte le località</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="31"/>
        <source>&amp;Alphabetically</source>
        <translation>In ordine &amp;alfabetico</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>&amp;Azimuth (true, °):</source>
        <translation>&amp;Azimut (geografico, °):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>&amp;Bearing (true, °):</source>
        <translation>&amp;Direzione (geografica, °):</translation>
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
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="399"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;Current Location</source>
        <translation>Località &amp;corrente</translation>
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
        <translation>Grad&amp;i Est</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="304"/>
        <source>&amp;Delete Point</source>
        <translation>&amp;Elimina punto</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>&amp;Detailed Report...</source>
        <translation>&amp;Dettagli...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="99"/>
        <source>&amp;Dish diameter (m):</source>
        <translation>&amp;Diametro parabola (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>&amp;Distance from the dish (m):</source>
        <translation>Di&amp;stanza dalla parabola (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="507"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="95"/>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Modifica dati...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="303"/>
        <source>&amp;Edit Point...</source>
        <translation>&amp;Modifica punto...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>&amp;Elevation (°):</source>
        <translation>&amp;Elevazione (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="356"/>
        <source>&amp;Export Look Angles...</source>
        <translation>Esp&amp;orta angoli di puntamento...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="483"/>
        <location filename="../src/ui/display/SkyView.cpp" line="459"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="108"/>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="100"/>
        <source>&amp;Frequency (GHz):</source>
        <translation>&amp;Frequenza (GHz):</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation>&amp;Opzioni griglia...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>&amp;Height above the dish (m):</source>
        <translation>&amp;Altezza sopra la parabola (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="519"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="429"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della Guida</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="467"/>
        <source>&amp;Horizon...</source>
        <translation>&amp;Orizzonte...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="362"/>
        <source>&amp;Import Orbital Elements...</source>
        <translation>&amp;Importa elementi orbitali...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="317"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation>&amp;Ku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="775"/>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="102"/>
        <source>&amp;Local times:</source>
        <translation>Orari &amp;locali:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="466"/>
        <source>&amp;Location</source>
        <translation>&amp;Località</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>&amp;Location Name</source>
        <translation>Nome &amp;località</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="104"/>
        <source>&amp;Locator:</source>
        <translation>&amp;Locatore:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;Magnetic</source>
        <translation>&amp;Magnetico</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="84"/>
        <source>&amp;Magnetic Variation</source>
        <translation>&amp;Declinazione magnetica</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="314"/>
        <source>&amp;New Workspace</source>
        <translation>&amp;Nuova area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="320"/>
        <source>&amp;Open Workspace...</source>
        <translation>&amp;Apri area di lavoro...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="300"/>
        <source>&amp;Points:</source>
        <translation>&amp;Punti:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="338"/>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="101"/>
        <source>&amp;Region</source>
        <translation>&amp;Regione</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="26"/>
        <source>&amp;Remove Location from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Rimuovi località dall'area di lavoro	Ctrl+X o Canc</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="23"/>
        <source>&amp;Remove Satellite from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Rimuovi satellite dall'area di lavoro	Ctrl+X o Canc</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="387"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="568"/>
        <source>&amp;Remove from Workspace</source>
        <translation>&amp;Rimuovi dall'area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="85"/>
        <source>&amp;Satellite of the selected object:</source>
        <translation>&amp;Satellite dell'oggetto selezionato:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="460"/>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Salva immagine...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="326"/>
        <source>&amp;Save Workspace</source>
        <translation>&amp;Salva area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="56"/>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="54"/>
        <source>&amp;Size</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="374"/>
        <source>&amp;Sky View</source>
        <translation>&amp;Vista cielo</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="40"/>
        <source>&amp;True</source>
        <translation>&amp;Geografico</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="405"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="109"/>
        <source>&amp;Update Slots</source>
        <translation>&amp;Aggiorna posizioni</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="515"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="41"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation>&amp;Visita il sito web di Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="435"/>
        <source>&amp;What's This?</source>
        <translation>&amp;Che cos'è?</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="112"/>
        <source>&amp;Whole World</source>
        <translation>&amp;Tutto il mondo</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>&amp;Width (°):</source>
        <translation>&amp;Larghezza (°):</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="101"/>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="47"/>
        <source>(Magnetic)</source>
        <translation>(magnetico)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(Magnetic):</source>
        <translation>(magnetico):</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <source>(True)</source>
        <translation>(geografico)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(True):</source>
        <translation>(geografico):</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="194"/>
        <source>(no region)</source>
        <translation>(nessuna regione)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="88"/>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="195"/>
        <source>(unknown region %1)</source>
        <translation>(regione sconosciuta %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="172"/>
        <source>-- (below the horizon)</source>
        <translation>-- (sotto l'orizzonte)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="240"/>
        <source>... and %1 more</source>
        <translation>... e altre %1</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="250"/>
        <source>1 place is listed.</source>
        <translation>È elencato 1 luogo.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="33"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation>&lt;b&gt;Tilvex&lt;/b&gt; versione 0.1&lt;br&gt;Angoli di puntamento per parabole satellitari.&lt;br&gt;Copyright © 2026 Tilvex Developers. Tutti i diritti riservati.&lt;br&gt;&lt;br&gt;Declinazione magnetica dal World Magnetic Model 2025&lt;br&gt;(NOAA NCEI e British Geological Survey;&lt;br&gt;di pubblico dominio negli Stati Uniti).&lt;br&gt;&lt;br&gt;Nomi dei luoghi: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Mappa: realizzata con Natural Earth (pubblico dominio).</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="428"/>
        <source>A Maidenhead locator is two letters from A to R, two digits and optionally two letters from A to X, such as JP99 or JP99lp.</source>
        <translation>Un locatore Maidenhead è composto da due lettere da A a R, due cifre e, facoltativamente, due lettere da A a X, ad esempio JP99 o JP99lp.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="829"/>
        <source>A database changed by another program was read again.</source>
        <translation>È stato riletto un database modificato da un altro programma.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="46"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation>Un'area di lavoro da aprire al posto dell'ultima usata.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="30"/>
        <source>About Tilvex</source>
        <translation>Informazioni su Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Actual</source>
        <translation>Reale</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Add Locat&amp;ion</source>
        <translation>&amp;Aggiungi località</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="313"/>
        <source>Add Obs&amp;tacle...</source>
        <translation>Aggiungi os&amp;tacolo...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="463"/>
        <source>Add Obstacle</source>
        <translation>Aggiungi ostacolo</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="432"/>
        <source>Add Point</source>
        <translation>Aggiungi punto</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="396"/>
        <source>Add the selected database entries to the workspace</source>
        <translation>Aggiunge all'area di lavoro le voci selezionate del database</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="319"/>
        <source>Adds the points and obstacles of a horizon file: lines "azimuth,elevation" and "obstacle,bearing,height,distance,width".</source>
        <translation>Aggiunge i punti e gli ostacoli di un file dell'orizzonte: righe "azimut,elevazione" e "obstacle,direzione,altezza,distanza,larghezza".</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="15"/>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="46"/>
        <source>Aiming</source>
        <translation>Puntamento</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="69"/>
        <location filename="../src/ui/printing/AimPrinting.cpp" line="30"/>
        <source>Aiming Sheet</source>
        <translation>Scheda di puntamento</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="35"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Si è tentato di accedere a %1 oltre la fine.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="38"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation>Si è tentato di leggere da %1 aperto in scrittura.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="32"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation>Si è tentato di scrivere in %1 aperto in lettura.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="29"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Si è verificato un errore sconosciuto durante l'accesso a %1.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="55"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation>Eliminare davvero la località %s?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation>Eliminare davvero il satellite %s?</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="16"/>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="20"/>
        <source>Asia &amp; South Pacific</source>
        <translation>Asia e Pacifico meridionale</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation>Selezionare almeno una delle caselle Bande.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="73"/>
        <source>At least one band must be selected.</source>
        <translation>Selezionare almeno una banda.</translation>
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
        <translation>Azimut (magnetico):</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="27"/>
        <source>Azimuth (magnetic)</source>
        <translation>Azimut (magnetico)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="26"/>
        <source>Azimuth (true)</source>
        <translation>Azimut (geografico)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Azimuth (°)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation>Filtri banda</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation>Filtri banda:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="46"/>
        <source>Band(s)</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Bands:</source>
        <translation>Bande:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>Bearing</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Bearing (°)</source>
        <translation>Direzione (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="30"/>
        <source>By &amp;Orbital Slot</source>
        <translation>Per &amp;posizione orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="991"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="56"/>
        <location filename="../src/ui/display/LocationPane.cpp" line="62"/>
        <source>Calculate Look Angles For:</source>
        <translation>Angoli di puntamento per:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation>Calcolo automa&amp;tico</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="221"/>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="337"/>
        <source>Choose a location first.</source>
        <translation>Scegliere prima una località.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="383"/>
        <source>Choose the printer and its options</source>
        <translation>Sceglie la stampante e le sue opzioni</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="42"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation>Sceglie le bande elencate, l'ordine delle righe, l'azimut geografico o magnetico e se mostrare la posizione orbitale dopo il nome.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>Cl&amp;ose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="239"/>
        <source>Clearance</source>
        <translation>Margine</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>Clearance:</source>
        <translation>Margine:</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="75"/>
        <source>Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + and - to zoom, Home to see the whole world again; Space picks the point in the middle.</source>
        <translation>Fare clic sulla mappa per scegliere un punto. Trascinare la mappa o usare i tasti freccia per spostarla, la rotellina o + e - per lo zoom, Home per rivedere tutto il mondo; la barra spaziatrice sceglie il punto al centro.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Co&amp;mments</source>
        <translation>Co&amp;mmenti</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="81"/>
        <source>Comments:</source>
        <translation>Commenti:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="500"/>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1024"/>
        <location filename="../src/ui/display/SkyView.cpp" line="541"/>
        <source>Could not write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="565"/>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/geomag/GeomagModel.cpp" line="350"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation>Impossibile trovare %s.  Non è possibile calcolare la declinazione magnetica.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/SplashWnd.cpp" line="21"/>
        <source>Couldn't load bitmap from file.</source>
        <translation>Impossibile caricare l'immagine dal file.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Coverage &amp;Region</source>
        <translation>A&amp;rea di copertura</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="73"/>
        <source>Coverage Region</source>
        <translation>Area di copertura</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="317"/>
        <source>Create a new workspace</source>
        <translation>Crea una nuova area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Current location</source>
        <translation>Località corrente</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Date (UTC)</source>
        <translation>Data (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>De&amp;grees West</source>
        <translation>Gradi O&amp;vest</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="61"/>
        <source>Degrees &amp;East</source>
        <translation>Gradi &amp;Est</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;North</source>
        <translation>Gradi &amp;Nord</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;South</source>
        <translation>Gradi S&amp;ud</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="62"/>
        <source>Degrees &amp;West</source>
        <translation>Gradi &amp;Ovest</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="35"/>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Dele&amp;te</source>
        <translation>Eli&amp;mina</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="315"/>
        <source>Delete Ob&amp;stacle</source>
        <translation>Elimina o&amp;stacolo</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="29"/>
        <source>Dish face tilt</source>
        <translation>Inclinazione parabola</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="59"/>
        <source>Dish o&amp;ffset:</source>
        <translation>O&amp;ffset parabola:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="47"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation>&amp;Visualizza la posizione con il nome del satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Distance (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="53"/>
        <source>Do you want to save changes to %s?</source>
        <translation>Salvare le modifiche a %s?</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="321"/>
        <source>E&amp;xport...</source>
        <translation>Espo&amp;rta...</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="65"/>
        <source>Each geostationary object of the file and the satellite of the database it was matched with. Checked rows get the object's longitude as their slot.</source>
        <translation>Ogni oggetto geostazionario del file e il satellite del database a cui è stato associato. Le righe spuntate assumono come posizione orbitale la longitudine dell'oggetto.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="417"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="585"/>
        <source>Edit &amp;Location Data...</source>
        <translation>Modifica dati &amp;località...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="411"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="580"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation>Modifica dati &amp;satellite...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="73"/>
        <source>Edit Location Database</source>
        <translation>Modifica database località</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="314"/>
        <source>Edit Obstac&amp;le...</source>
        <translation>Modifica ostaco&amp;lo...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="475"/>
        <source>Edit Obstacle</source>
        <translation>Modifica ostacolo</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="444"/>
        <source>Edit Point</source>
        <translation>Modifica punto</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation>Modifica database satelliti</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="579"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="584"/>
        <source>Edit data for </source>
        <translation>Modifica dati di </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="469"/>
        <source>Edit the horizon of the current location: its points and obstacles</source>
        <translation>Modifica l'orizzonte della località corrente: i suoi punti e ostacoli</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="420"/>
        <source>Edit the location database</source>
        <translation>Modifica il database delle località</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="414"/>
        <source>Edit the satellite database</source>
        <translation>Modifica il database dei satelliti</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation>Selezionare l'opzione Est oppure Ovest.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="25"/>
        <location filename="../src/core/reports/Report.cpp" line="236"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="53"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Elevation (°)</source>
        <translation>Elevazione (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="71"/>
        <source>Elevation:</source>
        <translation>Elevazione:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>End (UTC)</source>
        <translation>Fine (UTC)</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="13"/>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="19"/>
        <source>Europe, Africa &amp; Middle East</source>
        <translation>Europa, Africa e Medio Oriente</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Every location of the workspace</source>
        <translation>Tutte le località dell'area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="438"/>
        <source>Explain the next item clicked</source>
        <translation>Spiega l'elemento su cui si fa clic subito dopo</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="556"/>
        <source>Export Horizon</source>
        <translation>Esporta orizzonte</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="989"/>
        <source>Export Look Angles</source>
        <translation>Esporta angoli di puntamento</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation>Impossibile aprire il documento.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation>Impossibile salvare il documento.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="259"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation>File %s mancante o danneggiato.
Verrà aperta un'area di lavoro vuota.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="53"/>
        <source>Find Place</source>
        <translation>Trova luogo</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="426"/>
        <source>Find a town by name or on the map and add it to the location database</source>
        <translation>Trova un centro abitato per nome o sulla mappa e lo aggiunge al database delle località</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="49"/>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="31"/>
        <source>GotoX command</source>
        <translation>Comando GotoX</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Height (m)</source>
        <translation>Altezza (m)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="121"/>
        <source>Hori&amp;zon...</source>
        <translation>Ori&amp;zzonte...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="285"/>
        <source>Horizon</source>
        <translation>Orizzonte</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="495"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="557"/>
        <source>Horizon Files (*.csv *.txt);;All Files (*)</source>
        <translation>File dell'orizzonte (*.csv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Horizon points</source>
        <translation>Punti dell'orizzonte</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="64"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation>Per visitare il sito web di Tilvex, andare all'indirizzo </translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="494"/>
        <source>Import Horizon</source>
        <translation>Importa orizzonte</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="368"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="49"/>
        <source>Import Orbital Elements</source>
        <translation>Importa elementi orbitali</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Inclination</source>
        <translation>Inclinazione</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="52"/>
        <source>Invalid magnetic variation.</source>
        <translation>Declinazione magnetica non valida.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="47"/>
        <source>K&amp;u</source>
        <translation>K&amp;u</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep Mine</source>
        <translation>Mantieni la mia</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep the Other</source>
        <translation>Mantieni l'altra</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation>Conserva le impostazioni in FILE.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="78"/>
        <source>L&amp;atitude</source>
        <translation>L&amp;atitudine</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="80"/>
        <source>L&amp;ongitude</source>
        <translation>Lon&amp;gitudine</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="237"/>
        <source>LNB Skew</source>
        <translation>Rotazione LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="74"/>
        <source>LNB Skew:</source>
        <translation>Rotazione LNB:</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="28"/>
        <source>LNB skew</source>
        <translation>Rotazione LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="88"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="88"/>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="87"/>
        <source>Latitude:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Least Angle</source>
        <translation>Angolo minimo</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Local Date</source>
        <translation>Data locale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local End</source>
        <translation>Fine locale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Peak</source>
        <translation>Picco locale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Start</source>
        <translation>Inizio locale</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="49"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation>La località %s esiste già.  Salvarla con un nuovo nome.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="53"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation>Database località</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>Location Name</source>
        <translation>Nome località</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="67"/>
        <source>Location Name:</source>
        <translation>Nome località:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="53"/>
        <source>Location Pane</source>
        <translation>Riquadro località</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="51"/>
        <source>Location must have a name.</source>
        <translation>La località deve avere un nome.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="50"/>
        <source>Location must have a region selected.</source>
        <translation>Selezionare una regione per la località.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="67"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="76"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="17"/>
        <source>Locations</source>
        <translation>Località</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="92"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="90"/>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="89"/>
        <source>Longitude:</source>
        <translation>Longitudine:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="990"/>
        <location filename="../src/ui/display/TilvexView.cpp" line="58"/>
        <source>Look Angles</source>
        <translation>Angoli di puntamento</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/ui/printing/ReportPdf.cpp" line="42"/>
        <source>Look angles</source>
        <translation>Angoli di puntamento</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="44"/>
        <source>Look angles for satellite dishes.</source>
        <translation>Angoli di puntamento per parabole satellitari.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="65"/>
        <source>Look angles from</source>
        <translation>Angoli di puntamento da</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <source>Look angles from:</source>
        <translation>Angoli di puntamento da:</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Magnetic Variation</source>
        <translation>Declinazione magnetica</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="292"/>
        <source>Magnetic Variation: </source>
        <translation>Declinazione magnetica: </translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Maiden&amp;head Locator</source>
        <translation>Locatore Maiden&amp;head</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="112"/>
        <source>Maidenhead Locator</source>
        <translation>Locatore Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="105"/>
        <source>Maidenhead locator</source>
        <translation>Locatore Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="58"/>
        <source>Matched satellites</source>
        <translation>Satelliti associati</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="14"/>
        <source>Middle East</source>
        <translation>Medio Oriente</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="30"/>
        <source>Motor angle</source>
        <translation>Angolo motore</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="32"/>
        <source>Motor axis elevation</source>
        <translation>Elevazione asse motore</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="33"/>
        <source>Motor declination</source>
        <translation>Declinazione motore</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="69"/>
        <source>Names hold at most %1 characters.</source>
        <translation>I nomi contengono al massimo %1 caratteri.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="423"/>
        <source>New Location from &amp;Place...</source>
        <translation>&amp;Nuova località da luogo...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="447"/>
        <source>Next Pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="23"/>
        <location filename="../src/core/workspace/Archive.cpp" line="26"/>
        <source>No error occurred.</source>
        <translation>Nessun errore.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="80"/>
        <source>No location</source>
        <translation>Nessuna località</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="243"/>
        <source>No place is called "%1".</source>
        <translation>Nessun luogo si chiama "%1".</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="114"/>
        <source>No point picked</source>
        <translation>Nessun punto scelto</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="18"/>
        <source>North &amp; South America</source>
        <translation>Nord e Sud America</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="11"/>
        <source>North America</source>
        <translation>America del Nord</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="311"/>
        <source>O&amp;bstacles:</source>
        <translation>&amp;Ostacoli:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Object</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="307"/>
        <source>Obstacles</source>
        <translation>Ostacoli</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <source>Open Workspace</source>
        <translation>Apri area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="323"/>
        <source>Open an existing workspace</source>
        <translation>Apre un'area di lavoro esistente</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Orbit:</source>
        <translation>Orbita:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>Orbital &amp;Slot</source>
        <translation>&amp;Posizione orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="60"/>
        <source>Orbital Slot</source>
        <translation>Posizione orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="369"/>
        <source>Orbital elements (*.tle *.txt *.csv);;All files (*)</source>
        <translation>Elementi orbitali (*.tle *.txt *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="106"/>
        <source>Outage days</source>
        <translation>Giorni di interferenza</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="380"/>
        <source>P&amp;rint Setup...</source>
        <translation>Imposta s&amp;tampante...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="534"/>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>Immagini PNG (*.png);;Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="172"/>
        <source>Page %d of %d</source>
        <translation>Pagina %d di %d</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="36"/>
        <source>Path loss</source>
        <translation>Attenuazione di tratta</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Peak (UTC)</source>
        <translation>Picco (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="165"/>
        <source>Pick the site on the map or type its locator.</source>
        <translation>Scegliere la località sulla mappa o digitarne il locatore.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="112"/>
        <source>Picked point: %1, %2</source>
        <translation>Punto scelto: %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="64"/>
        <source>Places</source>
        <translation>Luoghi</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="102"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation>Immettere un numero compreso tra %s e %s nel campo «%s».</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="98"/>
        <source>Please enter a number for the %s.</source>
        <translation>Immettere un numero nel campo «%s».</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="160"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation>Immettere un numero per il diametro della parabola e per la frequenza.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="107"/>
        <source>Please enter no more than %d characters.</source>
        <translation>Immettere al massimo %d caratteri.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="291"/>
        <source>Points are joined by straight lines around the circle.  An obstacle raises the horizon to the angle of its top over its width, centred on its bearing.</source>
        <translation>I punti sono uniti da linee rette lungo il cerchio.  Un ostacolo alza l'orizzonte fino all'angolo della sua sommità per tutta la sua larghezza, centrata sulla sua direzione.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="453"/>
        <source>Previous Pane</source>
        <translation>Riquadro precedente</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="350"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="61"/>
        <source>Print &amp;Aiming Sheet...</source>
        <translation>Stampa scheda di &amp;puntamento...</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="38"/>
        <source>Print Options</source>
        <translation>Opzioni di stampa</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="344"/>
        <source>Print Pre&amp;view</source>
        <translation>Antepri&amp;ma di stampa</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>Print look angles for:</source>
        <translation>Stampa angoli di puntamento per:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="341"/>
        <source>Print the look angles</source>
        <translation>Stampa gli angoli di puntamento</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="353"/>
        <source>Print the look angles without asking</source>
        <translation>Stampa gli angoli di puntamento senza chiedere conferma</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation>Mostra queste istruzioni d'uso ed esce.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>Quit Tilvex</source>
        <translation>Chiude Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="365"/>
        <source>Read a TLE or OMM CSV file and bring the satellites' slots to where they really are</source>
        <translation>Legge un file TLE o OMM CSV e porta le posizioni orbitali dei satelliti dove si trovano realmente</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation>Legge e scrive i file di dati in DIR.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="148"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="721"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="104"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Region</source>
        <translation>Regione</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="390"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation>Rimuove dall'area di lavoro il satellite o la località selezionati</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="98"/>
        <source>S&amp;un Outages...</source>
        <translation>&amp;Interferenze solari...</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/RecordEditorDlg.cpp" line="40"/>
        <source>Sa&amp;ve</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="223"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="44"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="45"/>
        <source>Satellite %s already exists.  Save under a new name.</source>
        <translation>Il satellite %s esiste già.  Salvarlo con un nuovo nome.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite &amp;Name</source>
        <translation>&amp;Nome satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation>Database satelliti</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="49"/>
        <source>Satellite Details</source>
        <translation>Dettagli satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="56"/>
        <source>Satellite Grid</source>
        <translation>Griglia satelliti</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation>Opzioni griglia satelliti</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="23"/>
        <source>Satellite Info Pane</source>
        <translation>Riquadro informazioni satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation>Riquadro elenco satelliti</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite Name</source>
        <translation>Nome satellite</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="47"/>
        <source>Satellite must have a name.</source>
        <translation>Il satellite deve avere un nome.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a region selected.</source>
        <translation>Selezionare una regione per il satellite.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Satellite:</source>
        <translation>Satellite:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="144"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="21"/>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Save Again</source>
        <translation>Salva di nuovo</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Save Under Another Name...</source>
        <translation>Salva con un altro nome...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="332"/>
        <source>Save Workspace &amp;As...</source>
        <translation>Salva area di lavoro &amp;con nome...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="182"/>
        <source>Save Workspace As</source>
        <translation>Salva area di lavoro con nome</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="234"/>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="335"/>
        <source>Save the new location first: a horizon belongs to a saved location.</source>
        <translation>Salvare prima la nuova località: un orizzonte appartiene a una località salvata.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="462"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation>Salva la vista cielo come immagine PNG o SVG</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="329"/>
        <source>Save the workspace</source>
        <translation>Salva l'area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="335"/>
        <source>Save the workspace under a new name</source>
        <translation>Salva l'area di lavoro con un nuovo nome</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="57"/>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="37"/>
        <source>Shadow time</source>
        <translation>Ora dell'ombra</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="38"/>
        <source>Shadow time (local)</source>
        <translation>Ora dell'ombra (locale)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="104"/>
        <source>Show &amp;objects without a satellite</source>
        <translation>Mostra &amp;oggetti senza satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="377"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation>Mostra l'arco geostazionario nel cielo della località corrente</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="432"/>
        <source>Show the help</source>
        <translation>Mostra la Guida</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="347"/>
        <source>Show the printed pages</source>
        <translation>Mostra le pagine come verranno stampate</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="444"/>
        <source>Show the program's version</source>
        <translation>Mostra la versione del programma</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="41"/>
        <source>Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar).</source>
        <translation>Mostra le finestre nella lingua CODE (en, de, es, fr, it, pl, tr, ar).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="786"/>
        <source>Show the windows in this language the next time Tilvex starts</source>
        <translation>Mostra le finestre in questa lingua al prossimo avvio di Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation>Mostra il database delle località per regione.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation>Mostra il database dei satelliti per area di copertura.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="44"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation>Mostra i dati del satellite selezionato e i suoi angoli di puntamento dalla località corrente.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="288"/>
        <source>Site Latitude: </source>
        <translation>Latitudine località: </translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="290"/>
        <source>Site Longitude: </source>
        <translation>Longitudine località: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="455"/>
        <location filename="../src/ui/display/SkyView.cpp" line="470"/>
        <location filename="../src/ui/display/SkyView.cpp" line="516"/>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Sky View</source>
        <translation>Vista cielo</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="34"/>
        <source>Slant range</source>
        <translation>Distanza obliqua</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="229"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Slot</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="48"/>
        <source>Slot value must be between 0 and 360.</source>
        <translation>La posizione orbitale deve essere compresa tra 0 e 360.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="75"/>
        <source>Slot:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="38"/>
        <source>Some horizons could not be read; the lines stay in the file as they are:</source>
        <translation>Alcuni orizzonti non sono leggibili; le loro righe restano invariate nel file:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="31"/>
        <source>Some imported orbits could not be read; the lines stay in the file as they are:</source>
        <translation>Alcune orbite importate non sono leggibili; le loro righe restano invariate nel file:</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="29"/>
        <source>Sort Satellites</source>
        <translation>Ordina satelliti</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="12"/>
        <source>South America</source>
        <translation>America del Sud</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="17"/>
        <source>South Pacific</source>
        <translation>Pacifico meridionale</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="535"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Start (UTC)</source>
        <translation>Inizio (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation>Avvia senza l'immagine iniziale.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="59"/>
        <source>Sun Outages</source>
        <translation>Interferenze solari</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="790"/>
        <source>System Default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="109"/>
        <source>The Maidenhead locator of the point ("JP99lp"). Type a locator of four or six characters to move the point to the middle of its square.</source>
        <translation>Il locatore Maidenhead del punto ("JP99lp"). Digitare un locatore di quattro o sei caratteri per spostare il punto al centro del relativo quadrato.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation>Le bande dei satelliti elencati nella griglia. Si cambiano con Opzioni griglia.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="95"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation>L'orologio seguito dalle colonne locali: quello di questo computer o uno scostamento fisso da UTC, come quello della località.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="56"/>
        <source>The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish</source>
        <translation>L'angolo di offset della parabola in gradi: 22,6 per una comune parabola offset, 0 per una parabola a fuoco primario</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="246"/>
        <source>The first %1 places are listed, the most likely first; type more of the name to find others.</source>
        <translation>Sono elencati i primi %1 luoghi, i più probabili per primi; digitare una parte più lunga del nome per trovarne altri.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="61"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.  The location's horizon is the brown silhouette; drag its points to change it.</source>
        <translation>L'arco geostazionario visto dalla località corrente: il Nord in alto, l'orizzonte sul bordo e lo zenit al centro.  Fare clic su un satellite per renderlo corrente.  L'orizzonte della località è la sagoma marrone; trascinarne i punti per modificarlo.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="287"/>
        <source>The horizon at %1</source>
        <translation>L'orizzonte visto da %1</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="299"/>
        <source>The horizon's outline: true azimuths with the elevation of the horizon there.</source>
        <translation>Il profilo dell'orizzonte: azimut geografici con l'elevazione dell'orizzonte in quella direzione.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="55"/>
        <source>The horizons could not be saved:</source>
        <translation>Impossibile salvare gli orizzonti:</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="57"/>
        <source>The imported orbits could not be saved:</source>
        <translation>Impossibile salvare le orbite importate:</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="802"/>
        <source>The language could not be kept in the settings file.</source>
        <translation>Impossibile salvare la lingua nel file delle impostazioni.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="167"/>
        <source>The list of places (%1) is not in the data folder, so places cannot be found by name.</source>
        <translation>L'elenco dei luoghi (%1) non si trova nella cartella dei dati, quindi non è possibile cercare i luoghi per nome.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="173"/>
        <source>The list of places cannot be read (%1), so places cannot be found by name.</source>
        <translation>Impossibile leggere l'elenco dei luoghi (%1), quindi non è possibile cercare i luoghi per nome.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="123"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation>Impossibile salvare il database delle località: %s

Salvare di nuovo o scartare le modifiche?</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="64"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation>La località di cui la griglia mostra gli angoli di puntamento. Sceglierne un'altra nell'elenco sottostante.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationTree.cpp" line="10"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Le località disponibili, per regione. Trascinarne una (o una regione) sull'area di lavoro, oppure selezionarla e scegliere Modifica &gt; Aggiungi all'area di lavoro. Fare doppio clic su una località per modificarne i dati.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="152"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation>Gli angoli di puntamento dei satelliti dell'area di lavoro dalla località corrente: azimut ed elevazione; "--" indica che il satellite è sotto l'orizzonte.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="58"/>
        <source>The name of a town or city near the site</source>
        <translation>Il nome di un paese o di una città vicino alla località</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="336"/>
        <source>The obstacles and the horizon seen from this location</source>
        <translation>Gli ostacoli e l'orizzonte visti da questa località</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="120"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation>Impossibile salvare il database dei satelliti: %s

Salvare di nuovo o scartare le modifiche?</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="24"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation>Il satellite selezionato nella griglia: nome, posizione orbitale e bande.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="10"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>I satelliti disponibili, per area di copertura. Trascinarne uno (o una regione) sull'area di lavoro, oppure selezionarlo e scegliere Modifica &gt; Aggiungi all'area di lavoro. Fare doppio clic su un satellite per modificarne i dati.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1005"/>
        <source>The workspace has no location to export.</source>
        <translation>L'area di lavoro non contiene località da esportare.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="70"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation>Le località dell'area di lavoro. Fare clic su una di esse per calcolarne gli angoli di puntamento.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="183"/>
        <source>The world map (%1) is not in the data folder: only the lines of latitude and longitude are shown.</source>
        <translation>La mappa del mondo (%1) non si trova nella cartella dei dati: sono visualizzati solo i paralleli e i meridiani.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="188"/>
        <source>The world map cannot be read (%1): only the lines of latitude and longitude are shown.</source>
        <translation>Impossibile leggere la mappa del mondo (%1): sono visualizzati solo i paralleli e i meridiani.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="244"/>
        <source>These lines of %1 were not imported; the rest of the file was:</source>
        <translation>Queste righe di %1 non sono state importate; il resto del file sì:</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="82"/>
        <source>This computer's time (%1)</source>
        <translation>Ora di questo computer (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation>Guida di Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="54"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation>Tilvex non può memorizzare alcuni caratteri del campo «%s».  Usare solo lettere, cifre e simboli dell'Europa occidentale.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="63"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation>Tilvex non ha trovato il browser.  </translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="806"/>
        <source>Tilvex will show its windows in %1 the next time it starts.</source>
        <translation>Al prossimo avvio Tilvex mostrerà le finestre nella lingua: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="308"/>
        <source>Trees and buildings as measured from the dish: the true bearing of the middle, the height above the dish, the distance and the width in degrees.</source>
        <translation>Alberi ed edifici misurati dalla parabola: la direzione geografica del centro, l'altezza sopra la parabola, la distanza e la larghezza in gradi.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="217"/>
        <source>Type the name of a town or city near the site, or pick the site on the map.</source>
        <translation>Digitare il nome di un paese o di una città vicino alla località, oppure scegliere la località sulla mappa.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="138"/>
        <source>Unable to create %s</source>
        <translation>Impossibile creare %s</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="113"/>
        <source>Unable to open %s</source>
        <translation>Impossibile aprire %s</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation>Formato di file imprevisto.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/TilvexDoc.h" line="48"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation>Formato di file imprevisto.
Verrà aperta un'area di lavoro vuota.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="294"/>
        <source>Updated:  </source>
        <translation>Aggiornato:  </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="50"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation>Indica se gli azimut sono misurati dal nord magnetico, come su una bussola, o dal nord geografico, come su una carta. Si cambia con Opzioni griglia.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Width (°)</source>
        <translation>Larghezza (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <location filename="../src/ui/app/TilvexApp.cpp" line="183"/>
        <source>Workspace Files(*.wrk)</source>
        <translation>File area di lavoro (*.wrk)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="293"/>
        <source>Workspace: </source>
        <translation>Area di lavoro: </translation>
    </message>
    <message>
        <location filename="../src/ui/display/TilvexView.cpp" line="103"/>
        <source>Workspace:  </source>
        <translation>Area di lavoro:  </translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="73"/>
        <source>World map</source>
        <translation>Mappa del mondo</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="359"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation>Scrive in un file CSV gli angoli di puntamento della griglia</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>azimuth</source>
        <translation>azimut</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>back</source>
        <translation>all'indietro</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>bearing</source>
        <translation>direzione</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="197"/>
        <source>blocked by the horizon by %1</source>
        <translation>ostruito dall'orizzonte di %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="155"/>
        <source>cannot use the data folder %1</source>
        <translation>impossibile usare la cartella dei dati %1</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="161"/>
        <source>comments</source>
        <translation>commenti</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>distance</source>
        <translation>distanza</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>elevation</source>
        <translation>elevazione</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>forward</source>
        <translation>in avanti</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="271"/>
        <source>latitude</source>
        <translation>latitudine</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="136"/>
        <source>location database not saved: %s</source>
        <translation>database delle località non salvato: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="262"/>
        <source>location name</source>
        <translation>nome località</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="267"/>
        <source>longitude</source>
        <translation>longitudine</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="269"/>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="33"/>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="839"/>
        <source>not saved</source>
        <translation>non salvato</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="71"/>
        <source>only one workspace can be opened</source>
        <translation>è possibile aprire una sola area di lavoro</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="164"/>
        <source>orbital slot</source>
        <translation>posizione orbitale</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="135"/>
        <source>satellite database not saved: %s</source>
        <translation>database dei satelliti non salvato: %s</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="159"/>
        <source>satellite name</source>
        <translation>nome satellite</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="146"/>
        <source>the dish diameter must be greater than 0 metres</source>
        <translation>il diametro della parabola deve essere maggiore di 0 metri</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="152"/>
        <source>the dish is too small for this frequency: its beam would reach more than 45 degrees from the satellite</source>
        <translation>la parabola è troppo piccola per questa frequenza: il suo fascio arriverebbe a oltre 45 gradi dal satellite</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="148"/>
        <source>the frequency must be greater than 0 GHz</source>
        <translation>la frequenza deve essere maggiore di 0 GHz</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="174"/>
        <source>the settings file %1 is not used: %2</source>
        <translation>il file delle impostazioni %1 non viene usato: %2</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="150"/>
        <source>the year must be from 1900 to 2100</source>
        <translation>l'anno deve essere compreso tra 1900 e 2100</translation>
    </message>
    <message>
        <location filename="../src/ui/app/main.cpp" line="38"/>
        <source>there is no translation for "%1"; the languages are %2</source>
        <translation>non esiste una traduzione per "%1"; le lingue disponibili sono %2</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>width</source>
        <translation>larghezza</translation>
    </message>
</context>
</TS>
