<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tessera::viewer::DirectoryChecks</name>
    <message>
        <source>the raster directory &apos;%1&apos; does not exist</source>
        <translation>das Rasterverzeichnis &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a directory</source>
        <translation>&apos;%1&apos; ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file</source>
        <translation>&apos;%1&apos; ist keine Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written</source>
        <translation>&apos;%1&apos; konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>tessera::viewer::FloorEntry</name>
    <message>
        <source>Level So%1</source>
        <translation>Ebene So%1</translation>
    </message>
    <message>
        <source>Floor %1</source>
        <translation>Geschoss %1</translation>
    </message>
</context>
<context>
    <name>tessera::viewer::PlanAlignment</name>
    <message>
        <source>Alignment failed: %1</source>
        <translation>Ausrichten fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Aligning: pick points in the floor, type in the dialog</source>
        <translation>Ausrichten: Punkte im Geschoss wählen, Werte im Dialog eingeben</translation>
    </message>
    <message>
        <source>Alignment saved</source>
        <translation>Ausrichtung gespeichert</translation>
    </message>
    <message>
        <source>Alignment not saved: %1</source>
        <translation>Ausrichtung nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Alignment cancelled</source>
        <translation>Ausrichten abgebrochen</translation>
    </message>
</context>
<context>
    <name>tessera::viewer::PrintFooter</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 (fitted to the page)</source>
        <translation>%1 (auf die Seite eingepasst)</translation>
    </message>
</context>
<context>
    <name>tessera::viewer::PrintPreview</name>
    <message>
        <source>Fit to page</source>
        <translation>Auf Seite einpassen</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Maßstab:</translation>
    </message>
</context>
<context>
    <name>tessera::viewer::ViewerWindow</name>
    <message>
        <source>Open raster directory</source>
        <translation>Rasterverzeichnis öffnen</translation>
    </message>
    <message>
        <source>no plan</source>
        <translation>kein Plan</translation>
    </message>
    <message>
        <source>Dx %1  Dy %2  Factor %3%4</source>
        <translation>Dx %1  Dy %2  Faktor %3%4</translation>
    </message>
    <message>
        <source>  (hidden)</source>
        <translation>  (ausgeblendet)</translation>
    </message>
    <message>
        <source>plan not placed</source>
        <translation>Plan nicht platziert</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open raster directory...</source>
        <translation>&amp;Rasterverzeichnis öffnen...</translation>
    </message>
    <message>
        <source>&amp;Recent directories</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Load plan...</source>
        <translation>Plan &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Show/hide</source>
        <translation>&amp;Ein-/ausblenden</translation>
    </message>
    <message>
        <source>&amp;Align...</source>
        <translation>&amp;Ausrichten...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>The plan &apos;%1&apos; did not load; the floor keeps its plan</source>
        <translation>Der Plan &apos;%1&apos; wurde nicht geladen; das Geschoss behält seinen Plan</translation>
    </message>
    <message>
        <source>The plan &apos;%1&apos; did not load; the floor keeps no plan</source>
        <translation>Der Plan &apos;%1&apos; wurde nicht geladen; das Geschoss bleibt ohne Plan</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>All plan files (*.bmp *.jpg)</source>
        <translation>Alle Plandateien (*.bmp *.jpg)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Windows-Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>No recent directories</source>
        <translation>Keine zuletzt geöffneten Verzeichnisse</translation>
    </message>
</context>
</TS>
