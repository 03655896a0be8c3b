<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PlanAlignment</name>
    <message>
        <source>Click ignored: a relative shift is typed; clear Relativ to pick a point</source>
        <translation>Klick ignoriert: eine relative Verschiebung wird eingegeben; Relativ abwählen, um einen Punkt zu wählen</translation>
    </message>
    <message>
        <source>Measured on the plan: %1 (%2 plan pixels); type its real length</source>
        <translation>Auf dem Plan gemessen: %1 (%2 Planpixel); die wahre Länge eingeben</translation>
    </message>
</context>
<context>
    <name>TwoPointAlignment</name>
    <message>
        <source>Align by two points</source>
        <translation>Nach zwei Punkten ausrichten</translation>
    </message>
    <message>
        <source>On the plan (pixels)</source>
        <translation>Auf dem Plan (Pixel)</translation>
    </message>
    <message>
        <source>On the floor: X (m)</source>
        <translation>Im Geschoss: X (m)</translation>
    </message>
    <message>
        <source>Y (m)</source>
        <translation>Y (m)</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Click the point on the plan</source>
        <translation>Den Punkt auf dem Plan anklicken</translation>
    </message>
    <message>
        <source>Click where the point lies on the floor</source>
        <translation>Anklicken, wo der Punkt im Geschoss liegt</translation>
    </message>
    <message>
        <source>The plan is not placed yet</source>
        <translation>Der Plan ist noch nicht platziert</translation>
    </message>
    <message>
        <source>not picked</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <source>Click point %1 on the plan</source>
        <translation>Punkt %1 auf dem Plan anklicken</translation>
    </message>
    <message>
        <source>Click where point %1 lies on the floor</source>
        <translation>Anklicken, wo Punkt %1 im Geschoss liegt</translation>
    </message>
    <message>
        <source>Type where the points lie on the floor, or pick them there</source>
        <translation>Eingeben, wo die Punkte im Geschoss liegen, oder sie dort wählen</translation>
    </message>
    <message>
        <source>x %1  y %2</source>
        <translation>x %1  y %2</translation>
    </message>
    <message>
        <source>The two points must lie apart, on the plan and on the floor.</source>
        <translation>Die zwei Punkte müssen auseinander liegen, auf dem Plan und im Geschoss.</translation>
    </message>
    <message>
        <source>Pick both points on the plan and give where they lie on the floor.</source>
        <translation>Beide Punkte auf dem Plan wählen und angeben, wo sie im Geschoss liegen.</translation>
    </message>
    <message>
        <source>Factor %1, shift %2, %3</source>
        <translation>Faktor %1, Verschiebung %2, %3</translation>
    </message>
    <message>
        <source>Point 2 is %1 m off its floor point (X %2, Y %3): the plan is turned against the floor, or a point is off</source>
        <translation>Punkt 2 liegt %1 m neben seinem Geschosspunkt (X %2, Y %3): der Plan ist gegen das Geschoss gedreht, oder ein Punkt liegt daneben</translation>
    </message>
    <message>
        <source>Both points land on their floor points.</source>
        <translation>Beide Punkte treffen ihre Geschosspunkte.</translation>
    </message>
</context>
<context>
    <name>TypedPosition</name>
    <message>
        <source>X %1  Y %2 m</source>
        <translation>X %1  Y %2 m</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Distance %1  DX %2  DY %3</source>
        <translation>Abstand %1  DX %2  DY %3</translation>
    </message>
</context>
<context>
    <name>ViewTools</name>
    <message>
        <source>Zoom to &amp;window</source>
        <translation>Auf &amp;Fenster zoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;previous</source>
        <translation>&amp;Vorherige Ansicht</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>Pla&amp;n opacity</source>
        <translation>Pla&amp;ndeckkraft</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom to window: drag a box around what to show (Esc ends)</source>
        <translation>Auf Fenster zoomen: einen Rahmen um das Gewünschte ziehen (Esc beendet)</translation>
    </message>
    <message>
        <source>Measure: click the second point</source>
        <translation>Messen: den zweiten Punkt anklicken</translation>
    </message>
    <message>
        <source>Measure: click the first point (Esc ends)</source>
        <translation>Messen: den ersten Punkt anklicken (Esc beendet)</translation>
    </message>
    <message>
        <source>Aligning: pick points in the floor, type in the dialog</source>
        <translation>Ausrichten: Punkte im Geschoss wählen, Werte im Dialog eingeben</translation>
    </message>
    <message>
        <source>Aligning: type the relative shift in the dialog</source>
        <translation>Ausrichten: die relative Verschiebung im Dialog eingeben</translation>
    </message>
</context>
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
    <message>
        <source>Alignment by two points ended without a change</source>
        <translation>Ausrichten nach zwei Punkten ohne Änderung beendet</translation>
    </message>
    <message>
        <source>Alignment by two points saved</source>
        <translation>Ausrichtung nach zwei Punkten gespeichert</translation>
    </message>
    <message>
        <source>Alignment by two points not saved: %1</source>
        <translation>Ausrichtung nach zwei Punkten nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The plan is being aligned. Cancel the alignment and switch floor?</source>
        <translation>Der Plan wird gerade ausgerichtet. Ausrichten abbrechen und das Geschoss wechseln?</translation>
    </message>
    <message>
        <source>The plan is being aligned. Cancel the alignment and open another directory?</source>
        <translation>Der Plan wird gerade ausgerichtet. Ausrichten abbrechen und ein anderes Verzeichnis öffnen?</translation>
    </message>
    <message>
        <source>Align by &amp;two points...</source>
        <translation>Nach &amp;zwei Punkten ausrichten...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Placement not changed: %1</source>
        <translation>Platzierung nicht geändert: %1</translation>
    </message>
    <message>
        <source>Placement change redone</source>
        <translation>Platzierungsänderung wiederholt</translation>
    </message>
    <message>
        <source>Placement change undone</source>
        <translation>Platzierungsänderung rückgängig gemacht</translation>
    </message>
    <message>
        <source>The plan is being aligned. Cancel the alignment and quit?</source>
        <translation>Der Plan wird gerade ausgerichtet. Ausrichten abbrechen und beenden?</translation>
    </message>
</context>
</TS>
