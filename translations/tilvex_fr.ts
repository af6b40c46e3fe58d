<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Tilvex</name>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="28"/>
        <source> (automatic)</source>
        <translation> (automatique)</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="25"/>
        <source> (automatic; the magnetic model is valid %.0f–%.0f)</source>
        <translation> (automatique ; le modèle magnétique est valable de %.0f à %.0f)</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.h" line="21"/>
        <source> (seen from behind the dish)</source>
        <translation> (vu de derrière la parabole)</translation>
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
        <translation> Est à
180</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="114"/>
        <source> West</source>
        <translation> Ouest</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="24"/>
        <source> West.  Values greater than that will be converted to
this format, with the East and West values changed
accordingly.</source>
        <translation> Ouest.  Les valeurs supérieures seront converties dans
ce format, les valeurs Est et Ouest étant modifiées
en conséquence.</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> clockwise</source>
        <translation> dans le sens horaire</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/LnbSkew.cpp" line="55"/>
        <source> counter-clockwise</source>
        <translation> dans le sens antihoraire</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.cpp" line="22"/>
        <source> uses orbital slot values ranging from 180</source>
        <translation> utilise des positions orbitales allant de 180</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="21"/>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="533"/>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Rien n'a été importé.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="548"/>
        <source>%1
These lines were left out; the rest of the file was imported.</source>
        <translation>%1
Ces lignes ont été ignorées ; le reste du fichier a été importé.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="61"/>
        <source>%1 (%2) from %3</source>
        <translation>%1 (%2) depuis %3</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (blocked)</source>
        <translation>%1 (masqué)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="175"/>
        <source>%1 (clear)</source>
        <translation>%1 (dégagé)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="88"/>
        <source>%1 (the site's longitude)</source>
        <translation>%1 (longitude du site)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="44"/>
        <source>%1 contained an unexpected object.</source>
        <translation>%1 contenait un objet inattendu.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="47"/>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 contient un schéma incorrect.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="164"/>
        <source>%1 geostationary objects in the file, %2 of them matched with the satellite database. Checked rows differ from their slot by more than 0.05%3.</source>
        <translation>%1 objets géostationnaires dans le fichier, dont %2 associés à la base des satellites. Les lignes cochées s'écartent de leur position de plus de 0.05%3.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="41"/>
        <source>%1 has a bad format.</source>
        <translation>%1 a un format incorrect.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="252"/>
        <source>%1 holds no geostationary object.</source>
        <translation>%1 ne contient aucun objet géostationnaire.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="537"/>
        <source>%1 holds no horizon points or obstacles.</source>
        <translation>%1 ne contient ni points d'horizon ni obstacles.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="505"/>
        <source>%1 is too large for a horizon file.</source>
        <translation>%1 est trop volumineux pour un fichier d'horizon.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="252"/>
        <source>%1 places are listed, the most likely first.</source>
        <translation>%1 lieux trouvés, les plus probables en premier.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="38"/>
        <source>%1 was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%1 a été modifié ici et par un autre programme depuis la lecture du fichier.

Garder la version modifiée ici ?</translation>
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
        <translation>%s a été modifié par un autre programme. Voulez-vous l'écraser, ou le conserver et enregistrer votre version sous un autre nom ?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="67"/>
        <source>%s was changed here and by another program since the file was read.

Keep the version made here?</source>
        <translation>%s a été modifié ici et par un autre programme depuis la lecture du fichier.

Garder la version modifiée ici ?</translation>
    </message>
    <message>
        <location filename="../src/core/display/StatusText.cpp" line="17"/>
        <source>%s: %.2f°%s %.2f°%s, variation %.1f°%s</source>
        <translation>%s : %.2f°%s %.2f°%s, déclinaison magnétique %.1f°%s</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="441"/>
        <source>&amp;About Tilvex...</source>
        <translation>À &amp;propos de Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="24"/>
        <source>&amp;Add Location(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Ajouter le(s) site(s) à l'espace de travail	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="302"/>
        <source>&amp;Add Point...</source>
        <translation>&amp;Ajouter un point...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>&amp;Add Satellite</source>
        <translation>&amp;Ajouter un satellite</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="25"/>
        <source>&amp;Add Satellite(s) to Workspace	Ctrl+V</source>
        <translation>&amp;Ajouter le(s) satellite(s) à l'espace de travail	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="393"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="573"/>
        <source>&amp;Add to Workspace</source>
        <translation>&amp;Ajouter à l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="42"/>
        <source>&amp;All locations</source>
        <translation>Tous &amp;les sites</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="31"/>
        <source>&amp;Alphabetically</source>
        <translation>Par &amp;ordre alphabétique</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>&amp;Azimuth (true, °):</source>
        <translation>&amp;Azimut (vrai, °) :</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>&amp;Bearing (true, °):</source>
        <translation>Di&amp;rection (vraie, °) :</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="399"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="41"/>
        <source>&amp;Current Location</source>
        <translation>&amp;Site actuel</translation>
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
        <translation>Degrés &amp;Est</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="304"/>
        <source>&amp;Delete Point</source>
        <translation>&amp;Supprimer le point</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="41"/>
        <source>&amp;Detailed Report...</source>
        <translation>&amp;Rapport détaillé...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="99"/>
        <source>&amp;Dish diameter (m):</source>
        <translation>&amp;Diamètre de la parabole (m) :</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>&amp;Distance from the dish (m):</source>
        <translation>&amp;Distance à la parabole (m) :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="507"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="95"/>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Modifier les données...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="303"/>
        <source>&amp;Edit Point...</source>
        <translation>&amp;Modifier le point...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>&amp;Elevation (°):</source>
        <translation>É&amp;lévation (°) :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="356"/>
        <source>&amp;Export Look Angles...</source>
        <translation>E&amp;xporter les angles de pointage...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="483"/>
        <location filename="../src/ui/display/SkyView.cpp" line="459"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="108"/>
        <source>&amp;Find...</source>
        <translation>Recherc&amp;her...</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="100"/>
        <source>&amp;Frequency (GHz):</source>
        <translation>&amp;Fréquence (GHz) :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="39"/>
        <source>&amp;Grid Options...</source>
        <translation>&amp;Options de la grille...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>&amp;Height above the dish (m):</source>
        <translation>&amp;Hauteur au-dessus de la parabole (m) :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="519"/>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="429"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d'aide</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="467"/>
        <source>&amp;Horizon...</source>
        <translation>&amp;Horizon...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="362"/>
        <source>&amp;Import Orbital Elements...</source>
        <translation>&amp;Importer des éléments orbitaux...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="317"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="19"/>
        <source>&amp;Ku</source>
        <translation>&amp;Ku</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="775"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="102"/>
        <source>&amp;Local times:</source>
        <translation>&amp;Heures locales :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="466"/>
        <source>&amp;Location</source>
        <translation>&amp;Site</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>&amp;Location Name</source>
        <translation>&amp;Nom du site</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="104"/>
        <source>&amp;Locator:</source>
        <translation>&amp;Locator :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="39"/>
        <source>&amp;Magnetic</source>
        <translation>&amp;Magnétique</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="84"/>
        <source>&amp;Magnetic Variation</source>
        <translation>Déclinaison magnéti&amp;que</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="53"/>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="314"/>
        <source>&amp;New Workspace</source>
        <translation>&amp;Nouvel espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="320"/>
        <source>&amp;Open Workspace...</source>
        <translation>&amp;Ouvrir un espace de travail...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="300"/>
        <source>&amp;Points:</source>
        <translation>&amp;Points :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="338"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="101"/>
        <source>&amp;Region</source>
        <translation>&amp;Région</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="26"/>
        <source>&amp;Remove Location from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Retirer le site de l'espace de travail	Ctrl+X ou Suppr</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="23"/>
        <source>&amp;Remove Satellite from Workspace	Ctrl+X or Del</source>
        <translation>&amp;Retirer le satellite de l'espace de travail	Ctrl+X ou Suppr</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="387"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="568"/>
        <source>&amp;Remove from Workspace</source>
        <translation>&amp;Retirer de l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="85"/>
        <source>&amp;Satellite of the selected object:</source>
        <translation>&amp;Satellite de l'objet sélectionné :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="460"/>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Enregistrer l'image...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="326"/>
        <source>&amp;Save Workspace</source>
        <translation>&amp;Enregistrer l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="56"/>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="54"/>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="374"/>
        <source>&amp;Sky View</source>
        <translation>&amp;Vue du ciel</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="40"/>
        <source>&amp;True</source>
        <translation>&amp;Vrai</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="405"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="109"/>
        <source>&amp;Update Slots</source>
        <translation>&amp;Mettre à jour les positions</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="515"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="41"/>
        <source>&amp;Visit the Tilvex Web Site...</source>
        <translation>&amp;Visiter le site web de Tilvex...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="435"/>
        <source>&amp;What's This?</source>
        <translation>&amp;Qu'est-ce que c'est ?</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="112"/>
        <source>&amp;Whole World</source>
        <translation>&amp;Monde entier</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>&amp;Width (°):</source>
        <translation>&amp;Largeur (°) :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="101"/>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="47"/>
        <source>(Magnetic)</source>
        <translation>(magnétique)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(Magnetic):</source>
        <translation>(magnétique) :</translation>
    </message>
    <message>
        <location filename="../src/core/display/ArcGridModel.cpp" line="65"/>
        <source>(True)</source>
        <translation>(vrai)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="155"/>
        <source>(True):</source>
        <translation>(vrai) :</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="194"/>
        <source>(no region)</source>
        <translation>(aucune région)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="88"/>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="195"/>
        <source>(unknown region %1)</source>
        <translation>(région inconnue %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="172"/>
        <source>-- (below the horizon)</source>
        <translation>-- (sous l'horizon)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="240"/>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="250"/>
        <source>1 place is listed.</source>
        <translation>1 lieu trouvé.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="33"/>
        <source>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Look angles for satellite dishes.&lt;br&gt;Copyright © 2026 Tilvex Developers. All rights reserved.&lt;br&gt;&lt;br&gt;Magnetic variation from the World Magnetic Model 2025&lt;br&gt;(NOAA NCEI and the British Geological Survey;&lt;br&gt;public domain in the United States).&lt;br&gt;&lt;br&gt;Place names: GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Map: made with Natural Earth (public domain).</source>
        <translation>&lt;b&gt;Tilvex&lt;/b&gt; version 0.1&lt;br&gt;Angles de pointage pour paraboles satellite.&lt;br&gt;Copyright © 2026 Tilvex Developers. Tous droits réservés.&lt;br&gt;&lt;br&gt;Déclinaison magnétique issue du World Magnetic Model 2025&lt;br&gt;(NOAA NCEI et British Geological Survey ;&lt;br&gt;domaine public aux États-Unis).&lt;br&gt;&lt;br&gt;Noms de lieux : GeoNames (www.geonames.org), CC BY 4.0.&lt;br&gt;Carte : réalisée avec Natural Earth (domaine public).</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="428"/>
        <source>A Maidenhead locator is two letters from A to R, two digits and optionally two letters from A to X, such as JP99 or JP99lp.</source>
        <translation>Un locator Maidenhead se compose de deux lettres de A à R, de deux chiffres et éventuellement de deux lettres de A à X, par exemple JP99 ou JP99lp.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="829"/>
        <source>A database changed by another program was read again.</source>
        <translation>Une base de données modifiée par un autre programme a été relue.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="46"/>
        <source>A workspace to open instead of the one used last.</source>
        <translation>Un espace de travail à ouvrir au lieu du dernier utilisé.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="30"/>
        <source>About Tilvex</source>
        <translation>À propos de Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Actual</source>
        <translation>Réelle</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Add Locat&amp;ion</source>
        <translation>Ajouter &amp;un site</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="313"/>
        <source>Add Obs&amp;tacle...</source>
        <translation>Ajouter &amp;un obstacle...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="463"/>
        <source>Add Obstacle</source>
        <translation>Ajouter un obstacle</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="432"/>
        <source>Add Point</source>
        <translation>Ajouter un point</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="396"/>
        <source>Add the selected database entries to the workspace</source>
        <translation>Ajouter les éléments sélectionnés de la base à l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="319"/>
        <source>Adds the points and obstacles of a horizon file: lines "azimuth,elevation" and "obstacle,bearing,height,distance,width".</source>
        <translation>Ajoute les points et les obstacles d'un fichier d'horizon : lignes « azimut,élévation » et « obstacle,direction,hauteur,distance,largeur ».</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="15"/>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="46"/>
        <source>Aiming</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="69"/>
        <location filename="../src/ui/printing/AimPrinting.cpp" line="30"/>
        <source>Aiming Sheet</source>
        <translation>Fiche de pointage</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="35"/>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d'accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="38"/>
        <source>An attempt was made to read from the writing %1.</source>
        <translation>Tentative de lecture dans %1, ouvert en écriture.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="32"/>
        <source>An attempt was made to write to the reading %1.</source>
        <translation>Tentative d'écriture dans %1, ouvert en lecture.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="29"/>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s'est produite lors de l'accès à %1.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="55"/>
        <source>Are you sure you want to delete location %s?</source>
        <translation>Voulez-vous vraiment supprimer le site %s ?</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="54"/>
        <source>Are you sure you want to delete satellite %s?</source>
        <translation>Voulez-vous vraiment supprimer le satellite %s ?</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="16"/>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="20"/>
        <source>Asia &amp; South Pacific</source>
        <translation>Asie et Pacifique Sud</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="42"/>
        <source>At least one Band checkbox must be selected.</source>
        <translation>Au moins une case de bande doit être cochée.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="73"/>
        <source>At least one band must be selected.</source>
        <translation>Au moins une bande doit être sélectionnée.</translation>
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
        <translation>Azimut (magnétique) :</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="27"/>
        <source>Azimuth (magnetic)</source>
        <translation>Azimut (magnétique)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="26"/>
        <source>Azimuth (true)</source>
        <translation>Azimut (vrai)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Azimuth (°)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="37"/>
        <source>Band Filters</source>
        <translation>Filtres de bande</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="34"/>
        <source>Band Filters:</source>
        <translation>Bandes :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="46"/>
        <source>Band(s)</source>
        <translation>Bande(s)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="18"/>
        <source>Bands</source>
        <translation>Bandes</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="54"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Bands:</source>
        <translation>Bandes :</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>Bearing</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Bearing (°)</source>
        <translation>Direction (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="30"/>
        <source>By &amp;Orbital Slot</source>
        <translation>&amp;Par position orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="991"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="56"/>
        <location filename="../src/ui/display/LocationPane.cpp" line="62"/>
        <source>Calculate Look Angles For:</source>
        <translation>Angles de pointage depuis :</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="82"/>
        <source>Calculate Variation A&amp;utomatically</source>
        <translation>&amp;Calculer la déclinaison automatiquement</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="221"/>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="337"/>
        <source>Choose a location first.</source>
        <translation>Choisissez d'abord un site.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="383"/>
        <source>Choose the printer and its options</source>
        <translation>Choisir l'imprimante et ses options</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="42"/>
        <source>Chooses the bands listed, the order of the rows, true or magnetic azimuth, and whether the slot follows the name.</source>
        <translation>Choisit les bandes affichées, l'ordre des lignes, l'azimut vrai ou magnétique, et l'affichage de la position après le nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="239"/>
        <source>Clearance</source>
        <translation>Dégagement</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="75"/>
        <source>Clearance:</source>
        <translation>Dégagement :</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="75"/>
        <source>Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + and - to zoom, Home to see the whole world again; Space picks the point in the middle.</source>
        <translation>Cliquez sur la carte pour choisir un point. Faites glisser la carte ou utilisez les touches fléchées pour la déplacer, la molette ou + et - pour zoomer, Origine pour revoir le monde entier ; Espace choisit le point au centre.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="76"/>
        <source>Co&amp;mments</source>
        <translation>C&amp;ommentaires</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="79"/>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="81"/>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="500"/>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1024"/>
        <location filename="../src/ui/display/SkyView.cpp" line="541"/>
        <source>Could not write %1.</source>
        <translation>Impossible d'écrire %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="565"/>
        <source>Could not write %1: %2</source>
        <translation>Impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/core/geomag/GeomagModel.cpp" line="350"/>
        <source>Couldn't find %s.  Cannot calculate magnetic variation.</source>
        <translation>%s introuvable.  Impossible de calculer la déclinaison magnétique.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/SplashWnd.cpp" line="21"/>
        <source>Couldn't load bitmap from file.</source>
        <translation>Impossible de charger l'image depuis le fichier.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="70"/>
        <source>Coverage &amp;Region</source>
        <translation>&amp;Zone de couverture</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="73"/>
        <source>Coverage Region</source>
        <translation>Zone de couverture</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="317"/>
        <source>Create a new workspace</source>
        <translation>Créer un nouvel espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Current location</source>
        <translation>Site actuel</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Date (UTC)</source>
        <translation>Date (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="85"/>
        <source>De&amp;grees West</source>
        <translation>Degrés &amp;Ouest</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="83"/>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="61"/>
        <source>Degrees &amp;East</source>
        <translation>De&amp;grés Est</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;North</source>
        <translation>&amp;Degrés Nord</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="79"/>
        <source>Degrees &amp;South</source>
        <translation>Degrés &amp;Sud</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="81"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="62"/>
        <source>Degrees &amp;West</source>
        <translation>Degrés Oues&amp;t</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="35"/>
        <source>Delay</source>
        <translation>Temps de propagation</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="126"/>
        <source>Dele&amp;te</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="315"/>
        <source>Delete Ob&amp;stacle</source>
        <translation>Supprimer &amp;l'obstacle</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="29"/>
        <source>Dish face tilt</source>
        <translation>Inclinaison de la parabole</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="59"/>
        <source>Dish o&amp;ffset:</source>
        <translation>&amp;Offset de la parabole :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="47"/>
        <source>Display &amp;Slot Value With Satellite Name</source>
        <translation>&amp;Afficher la position avec le nom du satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Distance (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="53"/>
        <source>Do you want to save changes to %s?</source>
        <translation>Voulez-vous enregistrer les modifications de %s ?</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="321"/>
        <source>E&amp;xport...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="65"/>
        <source>Each geostationary object of the file and the satellite of the database it was matched with. Checked rows get the object's longitude as their slot.</source>
        <translation>Chaque objet géostationnaire du fichier et le satellite de la base auquel il a été associé. Les lignes cochées prennent la longitude de l'objet comme position.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="417"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="585"/>
        <source>Edit &amp;Location Data...</source>
        <translation>Modifier les données du s&amp;ite...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="411"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="580"/>
        <source>Edit &amp;Satellite Data...</source>
        <translation>Modifier les données du &amp;satellite...</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="73"/>
        <source>Edit Location Database</source>
        <translation>Modifier la base des sites</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="314"/>
        <source>Edit Obstac&amp;le...</source>
        <translation>Mo&amp;difier l'obstacle...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="475"/>
        <source>Edit Obstacle</source>
        <translation>Modifier l'obstacle</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="444"/>
        <source>Edit Point</source>
        <translation>Modifier le point</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="40"/>
        <source>Edit Satellite Database</source>
        <translation>Modifier la base des satellites</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="579"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="584"/>
        <source>Edit data for </source>
        <translation>Modifier les données de </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="469"/>
        <source>Edit the horizon of the current location: its points and obstacles</source>
        <translation>Modifier l'horizon du site actuel : ses points et ses obstacles</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="420"/>
        <source>Edit the location database</source>
        <translation>Modifier la base des sites</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="414"/>
        <source>Edit the satellite database</source>
        <translation>Modifier la base des satellites</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="43"/>
        <source>Either the East or West option must be selected.</source>
        <translation>L'option Est ou Ouest doit être sélectionnée.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="25"/>
        <location filename="../src/core/reports/Report.cpp" line="236"/>
        <location filename="../src/ui/display/SatellitePane.cpp" line="53"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Elevation (°)</source>
        <translation>Élévation (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="71"/>
        <source>Elevation:</source>
        <translation>Élévation :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>End (UTC)</source>
        <translation>Fin (UTC)</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="13"/>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="19"/>
        <source>Europe, Africa &amp; Middle East</source>
        <translation>Europe, Afrique et Moyen-Orient</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="983"/>
        <source>Every location of the workspace</source>
        <translation>Tous les sites de l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="438"/>
        <source>Explain the next item clicked</source>
        <translation>Expliquer le prochain élément cliqué</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="556"/>
        <source>Export Horizon</source>
        <translation>Exporter l'horizon</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="989"/>
        <source>Export Look Angles</source>
        <translation>Exporter les angles de pointage</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="17"/>
        <source>Failed to open document.</source>
        <translation>Impossible d'ouvrir le document.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="18"/>
        <source>Failed to save document.</source>
        <translation>Impossible d'enregistrer le document.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="259"/>
        <source>File %s missing or corrupted.
Opening empty workspace.</source>
        <translation>Fichier %s manquant ou endommagé.
Ouverture d'un espace de travail vide.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="53"/>
        <source>Find Place</source>
        <translation>Rechercher un lieu</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="426"/>
        <source>Find a town by name or on the map and add it to the location database</source>
        <translation>Trouver une ville par son nom ou sur la carte et l'ajouter à la base des sites</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="49"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="31"/>
        <source>GotoX command</source>
        <translation>Commande GotoX</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Height (m)</source>
        <translation>Hauteur (m)</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="121"/>
        <source>Hori&amp;zon...</source>
        <translation>Hori&amp;zon...</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="285"/>
        <source>Horizon</source>
        <translation>Horizon</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="495"/>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="557"/>
        <source>Horizon Files (*.csv *.txt);;All Files (*)</source>
        <translation>Fichiers d'horizon (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="297"/>
        <source>Horizon points</source>
        <translation>Points d'horizon</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="64"/>
        <source>If you want to visit the Tilvex web page, go to </source>
        <translation>Pour visiter le site web de Tilvex, allez à l'adresse </translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="494"/>
        <source>Import Horizon</source>
        <translation>Importer un horizon</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="368"/>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="49"/>
        <source>Import Orbital Elements</source>
        <translation>Importer des éléments orbitaux</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="63"/>
        <source>Inclination</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="52"/>
        <source>Invalid magnetic variation.</source>
        <translation>Déclinaison magnétique non valide.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="47"/>
        <source>K&amp;u</source>
        <translation>K&amp;u</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep Mine</source>
        <translation>Garder ma version</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="65"/>
        <source>Keep the Other</source>
        <translation>Garder l'autre version</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="38"/>
        <source>Keep the settings in FILE.</source>
        <translation>Conserver les paramètres dans FILE.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="78"/>
        <source>L&amp;atitude</source>
        <translation>L&amp;atitude</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="80"/>
        <source>L&amp;ongitude</source>
        <translation>&amp;Longitude</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="237"/>
        <source>LNB Skew</source>
        <translation>Rotation LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="74"/>
        <source>LNB Skew:</source>
        <translation>Rotation LNB :</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="28"/>
        <source>LNB skew</source>
        <translation>Rotation LNB</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="88"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="88"/>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="87"/>
        <source>Latitude:</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Least Angle</source>
        <translation>Angle min.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="109"/>
        <source>Local Date</source>
        <translation>Date locale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local End</source>
        <translation>Fin locale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Peak</source>
        <translation>Maximum local</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="110"/>
        <source>Local Start</source>
        <translation>Début local</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="49"/>
        <source>Location %s already exists.  Save under a new name.</source>
        <translation>Le site %s existe déjà.  Enregistrez-le sous un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="53"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="8"/>
        <source>Location Database</source>
        <translation>Base des sites</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="75"/>
        <source>Location Name</source>
        <translation>Nom du site</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="67"/>
        <source>Location Name:</source>
        <translation>Nom du site :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="53"/>
        <source>Location Pane</source>
        <translation>Volet des sites</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="51"/>
        <source>Location must have a name.</source>
        <translation>Le site doit avoir un nom.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="50"/>
        <source>Location must have a region selected.</source>
        <translation>Une région doit être sélectionnée pour le site.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="67"/>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="76"/>
        <location filename="../src/ui/locations/LocationTree.cpp" line="17"/>
        <source>Locations</source>
        <translation>Sites</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="92"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="90"/>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="89"/>
        <source>Longitude:</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="990"/>
        <location filename="../src/ui/display/TilvexView.cpp" line="58"/>
        <source>Look Angles</source>
        <translation>Angles de pointage</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintSupport.cpp" line="56"/>
        <location filename="../src/ui/printing/ReportPdf.cpp" line="42"/>
        <source>Look angles</source>
        <translation>Angles de pointage</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="44"/>
        <source>Look angles for satellite dishes.</source>
        <translation>Angles de pointage pour paraboles satellite.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="65"/>
        <source>Look angles from</source>
        <translation>Angles de pointage depuis</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="985"/>
        <source>Look angles from:</source>
        <translation>Angles de pointage depuis :</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="96"/>
        <source>Magnetic Variation</source>
        <translation>Déclinaison magnétique</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="292"/>
        <source>Magnetic Variation: </source>
        <translation>Déclinaison magnétique : </translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="109"/>
        <source>Maiden&amp;head Locator</source>
        <translation>Locator &amp;Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="112"/>
        <source>Maidenhead Locator</source>
        <translation>Locator Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="105"/>
        <source>Maidenhead locator</source>
        <translation>Locator Maidenhead</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="58"/>
        <source>Matched satellites</source>
        <translation>Satellites associés</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="14"/>
        <source>Middle East</source>
        <translation>Moyen-Orient</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="30"/>
        <source>Motor angle</source>
        <translation>Angle du moteur</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="32"/>
        <source>Motor axis elevation</source>
        <translation>Élévation de l'axe du moteur</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="33"/>
        <source>Motor declination</source>
        <translation>Déclinaison du moteur</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="69"/>
        <source>Names hold at most %1 characters.</source>
        <translation>Les noms ne peuvent pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="423"/>
        <source>New Location from &amp;Place...</source>
        <translation>Nouveau site à partir d'un &amp;lieu...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="447"/>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/Archive.cpp" line="23"/>
        <location filename="../src/core/workspace/Archive.cpp" line="26"/>
        <source>No error occurred.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="80"/>
        <source>No location</source>
        <translation>Aucun site</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="243"/>
        <source>No place is called "%1".</source>
        <translation>Aucun lieu ne s'appelle « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="114"/>
        <source>No point picked</source>
        <translation>Aucun point choisi</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="18"/>
        <source>North &amp; South America</source>
        <translation>Amérique du Nord et du Sud</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="11"/>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="311"/>
        <source>O&amp;bstacles:</source>
        <translation>&amp;Obstacles :</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="62"/>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="307"/>
        <source>Obstacles</source>
        <translation>Obstacles</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <source>Open Workspace</source>
        <translation>Ouvrir un espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="323"/>
        <source>Open an existing workspace</source>
        <translation>Ouvrir un espace de travail existant</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="57"/>
        <source>Orbit:</source>
        <translation>Orbite :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="57"/>
        <source>Orbital &amp;Slot</source>
        <translation>&amp;Position orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="60"/>
        <source>Orbital Slot</source>
        <translation>Position orbitale</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="369"/>
        <source>Orbital elements (*.tle *.txt *.csv);;All files (*)</source>
        <translation>Éléments orbitaux (*.tle *.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="106"/>
        <source>Outage days</source>
        <translation>Jours d'interférence</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="380"/>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l'impression...</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="534"/>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>Images PNG (*.png);;Images SVG (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="172"/>
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="36"/>
        <source>Path loss</source>
        <translation>Affaiblissement de trajet</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Peak (UTC)</source>
        <translation>Maximum (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="165"/>
        <source>Pick the site on the map or type its locator.</source>
        <translation>Choisissez le site sur la carte ou saisissez son locator.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="112"/>
        <source>Picked point: %1, %2</source>
        <translation>Point choisi : %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="64"/>
        <source>Places</source>
        <translation>Lieux</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="102"/>
        <source>Please enter a number between %s and %s for the %s.</source>
        <translation>Veuillez saisir un nombre entre %s et %s pour %s.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="98"/>
        <source>Please enter a number for the %s.</source>
        <translation>Veuillez saisir un nombre pour %s.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="160"/>
        <source>Please enter a number for the dish diameter and the frequency.</source>
        <translation>Veuillez saisir un nombre pour le diamètre de la parabole et pour la fréquence.</translation>
    </message>
    <message>
        <location filename="../src/core/framework/DataExchange.cpp" line="107"/>
        <source>Please enter no more than %d characters.</source>
        <translation>Veuillez ne pas saisir plus de %d caractères.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="291"/>
        <source>Points are joined by straight lines around the circle.  An obstacle raises the horizon to the angle of its top over its width, centred on its bearing.</source>
        <translation>Les points sont reliés par des segments de droite sur tout le tour.  Un obstacle élève l'horizon jusqu'à l'angle de son sommet sur toute sa largeur, centrée sur sa direction.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="453"/>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="350"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="61"/>
        <source>Print &amp;Aiming Sheet...</source>
        <translation>Imprimer la &amp;fiche de pointage...</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="38"/>
        <source>Print Options</source>
        <translation>Options d'impression</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="344"/>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <location filename="../src/ui/printing/PrintOptionsDlg.cpp" line="40"/>
        <source>Print look angles for:</source>
        <translation>Imprimer les angles de pointage pour :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="341"/>
        <source>Print the look angles</source>
        <translation>Imprimer les angles de pointage</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="353"/>
        <source>Print the look angles without asking</source>
        <translation>Imprimer les angles de pointage sans confirmation</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="36"/>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="35"/>
        <source>Print this usage and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="385"/>
        <source>Quit Tilvex</source>
        <translation>Quitter Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="365"/>
        <source>Read a TLE or OMM CSV file and bring the satellites' slots to where they really are</source>
        <translation>Lire un fichier TLE ou OMM CSV et placer les satellites à leur position orbitale réelle</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="39"/>
        <source>Read and write the data files in DIR.</source>
        <translation>Lire et écrire les fichiers de données dans DIR.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="148"/>
        <location filename="../src/ui/app/MainFrame.cpp" line="721"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="104"/>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="66"/>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="390"/>
        <source>Remove the selected satellite or location from the workspace</source>
        <translation>Retirer le satellite ou le site sélectionné de l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="98"/>
        <source>S&amp;un Outages...</source>
        <translation>&amp;Interférences solaires...</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/RecordEditorDlg.cpp" line="40"/>
        <source>Sa&amp;ve</source>
        <translation>Enreg&amp;istrer</translation>
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
        <translation>Le satellite %s existe déjà.  Enregistrez-le sous un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite &amp;Name</source>
        <translation>&amp;Nom du satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="8"/>
        <source>Satellite Database</source>
        <translation>Base des satellites</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="49"/>
        <source>Satellite Details</source>
        <translation>Détails du satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="56"/>
        <source>Satellite Grid</source>
        <translation>Grille des satellites</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="17"/>
        <source>Satellite Grid Options</source>
        <translation>Options de la grille des satellites</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="23"/>
        <source>Satellite Info Pane</source>
        <translation>Volet d'informations du satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="31"/>
        <source>Satellite List Pane</source>
        <translation>Volet de la liste des satellites</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="42"/>
        <source>Satellite Name</source>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="47"/>
        <source>Satellite must have a name.</source>
        <translation>Le satellite doit avoir un nom.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/EditorRules.h" line="46"/>
        <source>Satellite must have a region selected.</source>
        <translation>Une région doit être sélectionnée pour le satellite.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="52"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <source>Satellite:</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="144"/>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="43"/>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="21"/>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="103"/>
        <source>Save Again</source>
        <translation>Enregistrer à nouveau</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Save Picture</source>
        <translation>Enregistrer l'image</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="205"/>
        <source>Save Under Another Name...</source>
        <translation>Enregistrer sous un autre nom...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="332"/>
        <source>Save Workspace &amp;As...</source>
        <translation>Enregistrer l'espace de travail &amp;sous...</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="182"/>
        <source>Save Workspace As</source>
        <translation>Enregistrer l'espace de travail sous</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="234"/>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="335"/>
        <source>Save the new location first: a horizon belongs to a saved location.</source>
        <translation>Enregistrez d'abord le nouveau site : un horizon appartient à un site enregistré.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="462"/>
        <source>Save the sky view as a PNG or SVG picture</source>
        <translation>Enregistrer la vue du ciel en image PNG ou SVG</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="329"/>
        <source>Save the workspace</source>
        <translation>Enregistrer l'espace de travail</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="335"/>
        <source>Save the workspace under a new name</source>
        <translation>Enregistrer l'espace de travail sous un autre nom</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="57"/>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="37"/>
        <source>Shadow time</source>
        <translation>Heure de l'ombre</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="38"/>
        <source>Shadow time (local)</source>
        <translation>Heure de l'ombre (locale)</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="104"/>
        <source>Show &amp;objects without a satellite</source>
        <translation>&amp;Afficher les objets sans satellite</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="377"/>
        <source>Show the geostationary arc in the sky of the current location</source>
        <translation>Afficher l'arc géostationnaire dans le ciel du site actuel</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="432"/>
        <source>Show the help</source>
        <translation>Afficher l'aide</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="347"/>
        <source>Show the printed pages</source>
        <translation>Afficher les pages imprimées</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="444"/>
        <source>Show the program's version</source>
        <translation>Afficher la version du programme</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="41"/>
        <source>Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar).</source>
        <translation>Afficher les fenêtres dans la langue CODE (en, de, es, fr, it, pl, tr, ar).</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="786"/>
        <source>Show the windows in this language the next time Tilvex starts</source>
        <translation>Afficher les fenêtres dans cette langue au prochain démarrage de Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="55"/>
        <source>Shows the location database by region.</source>
        <translation>Affiche la base des sites par région.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TabView.cpp" line="54"/>
        <source>Shows the satellite database by coverage region.</source>
        <translation>Affiche la base des satellites par zone de couverture.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="44"/>
        <source>Shows the selected satellite's data and its look angles from the current location.</source>
        <translation>Affiche les données du satellite sélectionné et ses angles de pointage depuis le site actuel.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="288"/>
        <source>Site Latitude: </source>
        <translation>Latitude du site : </translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="290"/>
        <source>Site Longitude: </source>
        <translation>Longitude du site : </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="455"/>
        <location filename="../src/ui/display/SkyView.cpp" line="470"/>
        <location filename="../src/ui/display/SkyView.cpp" line="516"/>
        <location filename="../src/ui/display/SkyView.cpp" line="533"/>
        <source>Sky View</source>
        <translation>Vue du ciel</translation>
    </message>
    <message>
        <location filename="../src/core/reports/AimPage.cpp" line="34"/>
        <source>Slant range</source>
        <translation>Distance oblique</translation>
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
        <translation>La position doit être comprise entre 0 et 360.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteDetailsDlg.cpp" line="53"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="28"/>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="75"/>
        <source>Slot:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="38"/>
        <source>Some horizons could not be read; the lines stay in the file as they are:</source>
        <translation>Certains horizons n'ont pas pu être lus ; les lignes restent telles quelles dans le fichier :</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="31"/>
        <source>Some imported orbits could not be read; the lines stay in the file as they are:</source>
        <translation>Certaines orbites importées n'ont pas pu être lues ; les lignes restent telles quelles dans le fichier :</translation>
    </message>
    <message>
        <location filename="../src/ui/display/GridOptionsDlg.cpp" line="29"/>
        <source>Sort Satellites</source>
        <translation>Trier les satellites</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="12"/>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <location filename="../src/core/framework/StringTable.cpp" line="17"/>
        <source>South Pacific</source>
        <translation>Pacifique Sud</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="535"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="108"/>
        <source>Start (UTC)</source>
        <translation>Début (UTC)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="37"/>
        <source>Start without the splash picture.</source>
        <translation>Démarrer sans l'image d'accueil.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="59"/>
        <source>Sun Outages</source>
        <translation>Interférences solaires</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="790"/>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="109"/>
        <source>The Maidenhead locator of the point ("JP99lp"). Type a locator of four or six characters to move the point to the middle of its square.</source>
        <translation>Le locator Maidenhead du point (« JP99lp »). Saisissez un locator de quatre ou six caractères pour placer le point au centre de son carré.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="38"/>
        <source>The bands whose satellites the grid lists. Grid Options changes them.</source>
        <translation>Les bandes dont la grille affiche les satellites. Le bouton Options de la grille les modifie.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="95"/>
        <source>The clock that the local columns follow: this computer's, or a fixed offset from UTC such as the site's own.</source>
        <translation>L'horloge suivie par les colonnes locales : celle de cet ordinateur, ou un décalage fixe par rapport à UTC, comme celui du site.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="56"/>
        <source>The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish</source>
        <translation>L'angle d'offset de la parabole en degrés : 22,6 pour une parabole offset courante, 0 pour une parabole à foyer primaire</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="246"/>
        <source>The first %1 places are listed, the most likely first; type more of the name to find others.</source>
        <translation>Les %1 premiers lieux sont affichés, les plus probables en premier ; saisissez davantage du nom pour en trouver d'autres.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/SkyView.cpp" line="61"/>
        <source>The geostationary arc as seen from the current location: North at the top, the horizon at the rim and the zenith in the centre.  Click a satellite to make it current.  The location's horizon is the brown silhouette; drag its points to change it.</source>
        <translation>L'arc géostationnaire vu depuis le site actuel : le nord en haut, l'horizon sur le bord et le zénith au centre.  Cliquez sur un satellite pour en faire le satellite actuel.  L'horizon du site est la silhouette brune ; faites glisser ses points pour le modifier.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="287"/>
        <source>The horizon at %1</source>
        <translation>L'horizon de %1</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="299"/>
        <source>The horizon's outline: true azimuths with the elevation of the horizon there.</source>
        <translation>Le contour de l'horizon : des azimuts vrais avec l'élévation de l'horizon à chacun d'eux.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/SiteHorizons.cpp" line="55"/>
        <source>The horizons could not be saved:</source>
        <translation>Les horizons n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/SatelliteOrbits.cpp" line="57"/>
        <source>The imported orbits could not be saved:</source>
        <translation>Les orbites importées n'ont pas pu être enregistrées :</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="802"/>
        <source>The language could not be kept in the settings file.</source>
        <translation>La langue n'a pas pu être enregistrée dans le fichier de paramètres.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="167"/>
        <source>The list of places (%1) is not in the data folder, so places cannot be found by name.</source>
        <translation>La liste des lieux (%1) ne se trouve pas dans le dossier de données : impossible de rechercher un lieu par son nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="173"/>
        <source>The list of places cannot be read (%1), so places cannot be found by name.</source>
        <translation>La liste des lieux ne peut pas être lue (%1) : impossible de rechercher un lieu par son nom.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="123"/>
        <source>The location database could not be saved: %s

Save again, or discard?</source>
        <translation>La base des sites n'a pas pu être enregistrée : %s

Enregistrer à nouveau ou abandonner ?</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="64"/>
        <source>The location whose look angles the grid shows. Choose another in the list below.</source>
        <translation>Le site dont la grille affiche les angles de pointage. Choisissez-en un autre dans la liste ci-dessous.</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationTree.cpp" line="10"/>
        <source>The locations you can choose from, by region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Les sites disponibles, par région. Faites glisser un site (ou une région) vers l'espace de travail, ou sélectionnez-le puis choisissez Édition &gt; Ajouter à l'espace de travail. Double-cliquez sur un site pour modifier ses données.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="152"/>
        <source>The look angles of the workspace's satellites from the current location: azimuth and elevation; "--" means the satellite is below the horizon.</source>
        <translation>Les angles de pointage des satellites de l'espace de travail depuis le site actuel : azimut et élévation ; « -- » signifie que le satellite est sous l'horizon.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="58"/>
        <source>The name of a town or city near the site</source>
        <translation>Le nom d'une ville ou d'un village proche du site</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="336"/>
        <source>The obstacles and the horizon seen from this location</source>
        <translation>Les obstacles et l'horizon vus depuis ce site</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="120"/>
        <source>The satellite database could not be saved: %s

Save again, or discard?</source>
        <translation>La base des satellites n'a pas pu être enregistrée : %s

Enregistrer à nouveau ou abandonner ?</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteInfoPane.cpp" line="24"/>
        <source>The satellite selected in the grid: its name, orbital slot and bands.</source>
        <translation>Le satellite sélectionné dans la grille : son nom, sa position orbitale et ses bandes.</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteTree.cpp" line="10"/>
        <source>The satellites you can choose from, by coverage region. Drag one (or a region) onto the workspace, or select it and choose Edit &gt; Add to Workspace. Double-click one to edit its data.</source>
        <translation>Les satellites disponibles, par zone de couverture. Faites glisser un satellite (ou une zone) vers l'espace de travail, ou sélectionnez-le puis choisissez Édition &gt; Ajouter à l'espace de travail. Double-cliquez sur un satellite pour modifier ses données.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="1005"/>
        <source>The workspace has no location to export.</source>
        <translation>L'espace de travail ne contient aucun site à exporter.</translation>
    </message>
    <message>
        <location filename="../src/ui/display/LocationPane.cpp" line="70"/>
        <source>The workspace's locations. Click one to compute the look angles from it.</source>
        <translation>Les sites de l'espace de travail. Cliquez sur l'un d'eux pour calculer les angles de pointage depuis ce site.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="183"/>
        <source>The world map (%1) is not in the data folder: only the lines of latitude and longitude are shown.</source>
        <translation>La carte du monde (%1) ne se trouve pas dans le dossier de données : seuls les parallèles et les méridiens sont affichés.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="188"/>
        <source>The world map cannot be read (%1): only the lines of latitude and longitude are shown.</source>
        <translation>La carte du monde ne peut pas être lue (%1) : seuls les parallèles et les méridiens sont affichés.</translation>
    </message>
    <message>
        <location filename="../src/ui/orbits/OrbitsDlg.cpp" line="244"/>
        <source>These lines of %1 were not imported; the rest of the file was:</source>
        <translation>Ces lignes de %1 n'ont pas été importées ; le reste du fichier l'a été :</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SunOutageDlg.cpp" line="82"/>
        <source>This computer's time (%1)</source>
        <translation>Heure de cet ordinateur (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/HelpWindow.cpp" line="10"/>
        <source>Tilvex Help</source>
        <translation>Aide de Tilvex</translation>
    </message>
    <message>
        <location filename="../src/ui/framework/DialogExchange.cpp" line="54"/>
        <source>Tilvex cannot store some of the characters in the %s.  Use only Western European letters, digits and signs.</source>
        <translation>Tilvex ne peut pas enregistrer certains caractères dans %s.  Utilisez uniquement des lettres d'Europe occidentale, des chiffres et des signes courants.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AboutDlg.cpp" line="63"/>
        <source>Tilvex couldn't locate your browser.  </source>
        <translation>Tilvex n'a pas trouvé votre navigateur.  </translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="806"/>
        <source>Tilvex will show its windows in %1 the next time it starts.</source>
        <translation>Au prochain démarrage, Tilvex affichera ses fenêtres dans cette langue : %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="308"/>
        <source>Trees and buildings as measured from the dish: the true bearing of the middle, the height above the dish, the distance and the width in degrees.</source>
        <translation>Arbres et bâtiments mesurés depuis la parabole : la direction vraie de leur milieu, la hauteur au-dessus de la parabole, la distance et la largeur en degrés.</translation>
    </message>
    <message>
        <location filename="../src/ui/sites/FindPlaceDlg.cpp" line="217"/>
        <source>Type the name of a town or city near the site, or pick the site on the map.</source>
        <translation>Saisissez le nom d'une ville ou d'un village proche du site, ou choisissez le site sur la carte.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="138"/>
        <source>Unable to create %s</source>
        <translation>Impossible de créer %s</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/RecordDatabase.h" line="113"/>
        <source>Unable to open %s</source>
        <translation>Impossible d'ouvrir %s</translation>
    </message>
    <message>
        <location filename="../src/core/framework/Document.cpp" line="19"/>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/TilvexDoc.h" line="48"/>
        <source>Unexpected file format.
Opening empty workspace.</source>
        <translation>Format de fichier inattendu.
Ouverture d'un espace de travail vide.</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="294"/>
        <source>Updated:  </source>
        <translation>Mis à jour le :  </translation>
    </message>
    <message>
        <location filename="../src/ui/display/SatellitePane.cpp" line="50"/>
        <source>Whether the azimuths are measured from magnetic north, as a compass shows, or from true north, as a map shows. Grid Options changes it.</source>
        <translation>Indique si les azimuts sont mesurés depuis le nord magnétique, comme l'indique une boussole, ou depuis le nord vrai (géographique), comme sur une carte. Le bouton Options de la grille le modifie.</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="306"/>
        <source>Width (°)</source>
        <translation>Largeur (°)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="742"/>
        <location filename="../src/ui/app/TilvexApp.cpp" line="183"/>
        <source>Workspace Files(*.wrk)</source>
        <translation>Fichiers d'espace de travail (*.wrk)</translation>
    </message>
    <message>
        <location filename="../src/core/reports/Report.cpp" line="293"/>
        <source>Workspace: </source>
        <translation>Espace de travail : </translation>
    </message>
    <message>
        <location filename="../src/ui/display/TilvexView.cpp" line="103"/>
        <source>Workspace:  </source>
        <translation>Espace de travail :  </translation>
    </message>
    <message>
        <location filename="../src/ui/sites/WorldMapView.cpp" line="73"/>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="359"/>
        <source>Write the look angles of the grid to a CSV file</source>
        <translation>Écrire les angles de pointage de la grille dans un fichier CSV</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="146"/>
        <source>azimuth</source>
        <translation>l'azimut</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>back</source>
        <translation>vers l'arrière</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="161"/>
        <source>bearing</source>
        <translation>la direction</translation>
    </message>
    <message>
        <location filename="../src/ui/display/ArcGrid.cpp" line="197"/>
        <source>blocked by the horizon by %1</source>
        <translation>masqué par l'horizon de %1</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="155"/>
        <source>cannot use the data folder %1</source>
        <translation>impossible d'utiliser le dossier de données %1</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="161"/>
        <source>comments</source>
        <translation>les commentaires</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="163"/>
        <source>distance</source>
        <translation>la distance</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="147"/>
        <source>elevation</source>
        <translation>l'élévation</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="103"/>
        <source>forward</source>
        <translation>vers l'avant</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="162"/>
        <source>height</source>
        <translation>la hauteur</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="271"/>
        <source>latitude</source>
        <translation>la latitude</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="136"/>
        <source>location database not saved: %s</source>
        <translation>base des sites non enregistrée : %s</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="262"/>
        <source>location name</source>
        <translation>le nom du site</translation>
    </message>
    <message>
        <location filename="../src/ui/locations/LocationEditorDlg.cpp" line="267"/>
        <source>longitude</source>
        <translation>la longitude</translation>
    </message>
    <message>
        <location filename="../src/core/aim/AimSheet.cpp" line="269"/>
        <location filename="../src/ui/satellites/AimingSection.cpp" line="33"/>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainFrame.cpp" line="839"/>
        <source>not saved</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="71"/>
        <source>only one workspace can be opened</source>
        <translation>un seul espace de travail peut être ouvert</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="164"/>
        <source>orbital slot</source>
        <translation>la position orbitale</translation>
    </message>
    <message>
        <location filename="../src/core/workspace/DatabaseEditor.cpp" line="135"/>
        <source>satellite database not saved: %s</source>
        <translation>base des satellites non enregistrée : %s</translation>
    </message>
    <message>
        <location filename="../src/ui/satellites/SatelliteEditorDlg.cpp" line="159"/>
        <source>satellite name</source>
        <translation>le nom du satellite</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="146"/>
        <source>the dish diameter must be greater than 0 metres</source>
        <translation>le diamètre de la parabole doit être supérieur à 0 mètre</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="152"/>
        <source>the dish is too small for this frequency: its beam would reach more than 45 degrees from the satellite</source>
        <translation>la parabole est trop petite pour cette fréquence : son faisceau s'étendrait à plus de 45 degrés du satellite</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="148"/>
        <source>the frequency must be greater than 0 GHz</source>
        <translation>la fréquence doit être supérieure à 0 GHz</translation>
    </message>
    <message>
        <location filename="../src/ui/app/TilvexApp.cpp" line="174"/>
        <source>the settings file %1 is not used: %2</source>
        <translation>le fichier de paramètres %1 n'est pas utilisé : %2</translation>
    </message>
    <message>
        <location filename="../src/core/satellites/SunOutage.cpp" line="150"/>
        <source>the year must be from 1900 to 2100</source>
        <translation>l'année doit être comprise entre 1900 et 2100</translation>
    </message>
    <message>
        <location filename="../src/ui/app/main.cpp" line="38"/>
        <source>there is no translation for "%1"; the languages are %2</source>
        <translation>aucune traduction pour « %1 » ; langues disponibles : %2</translation>
    </message>
    <message>
        <location filename="../src/ui/horizon/HorizonDlg.cpp" line="164"/>
        <source>width</source>
        <translation>la largeur</translation>
    </message>
</context>
</TS>
