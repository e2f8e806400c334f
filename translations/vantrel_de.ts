<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vantrel</name>
    <message>
        <location filename="../src/form/vantrel.ui" line="87"/>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;vantrel 1.65&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;by the vantrel developers&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;encoder: https://ffmpeg.org/&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;img src=&quot;:/pics/tesk.jpg&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Sans Serif&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;vantrel 1.65&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;von den vantrel-Entwicklern&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;Encoder: https://ffmpeg.org/&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:12pt;&quot;&gt;&lt;img src=&quot;:/pics/tesk.jpg&quot; /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="99"/>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="123"/>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="127"/>
        <source>Frame height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="163"/>
        <source>Ratio</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="182"/>
        <location filename="../src/form/vantrel.ui" line="581"/>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="228"/>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="239"/>
        <source>Video bitrate in kilobit/s</source>
        <translation>Videobitrate in Kilobit/s</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="261"/>
        <source>Frame width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="286"/>
        <source>Frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="328"/>
        <source>PAL-DVD</source>
        <translation>PAL-DVD</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="344"/>
        <location filename="../src/form/vantrel.ui" line="568"/>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="355"/>
        <source>Video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="367"/>
        <location filename="../src/form/vantrel.ui" line="527"/>
        <source>copy</source>
        <translation>kopieren</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="431"/>
        <source>Kilobit/s</source>
        <translation>Kilobit/s</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="447"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="458"/>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="493"/>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="523"/>
        <source>Audio codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="591"/>
        <source>Audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="630"/>
        <source>Audio channels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="644"/>
        <source>Channel</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="656"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="669"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="687"/>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="691"/>
        <source>Command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="765"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="788"/>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="798"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="817"/>
        <location filename="../src/form/vantrel.ui" line="821"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="856"/>
        <source>TIME REMAINING</source>
        <translation>RESTZEIT</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="867"/>
        <source>Remaining time</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="902"/>
        <source>Input</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="931"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="950"/>
        <source>Output</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../src/form/vantrel.ui" line="979"/>
        <source>Save as</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="208"/>
        <source>FEHLER: Die Ausgabe muss eine lokale Datei sein!</source>
        <translation>FEHLER: Die Ausgabe muss eine lokale Datei sein!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="214"/>
        <source>FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!</source>
        <translation>FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="236"/>
        <source>Die Ausgabedatei existiert bereits. Soll sie ersetzt werden?</source>
        <translation>Die Ausgabedatei existiert bereits. Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="303"/>
        <source>Auf dem Ziellaufwerk ist voraussichtlich nicht genug Platz: frei sind %1, die Ausgabe braucht etwa %2. Konvertierung abbrechen?</source>
        <translation>Auf dem Ziellaufwerk ist voraussichtlich nicht genug Platz: frei sind %1, die Ausgabe braucht etwa %2. Konvertierung abbrechen?</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="347"/>
        <source>FEHLER: Die Ausgabedatei fehlt oder ist leer!</source>
        <translation>FEHLER: Die Ausgabedatei fehlt oder ist leer!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="348"/>
        <source>&lt;b&gt;Die Ausgabedatei fehlt oder ist leer!&lt;/b&gt;&lt;br&gt;&lt;br&gt;ffmpeg hat sich ohne Fehler beendet, aber keine Ausgabe geschrieben.</source>
        <translation>&lt;b&gt;Die Ausgabedatei fehlt oder ist leer!&lt;/b&gt;&lt;br&gt;&lt;br&gt;ffmpeg hat sich ohne Fehler beendet, aber keine Ausgabe geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="352"/>
        <source>Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!</source>
        <translation>Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="355"/>
        <source>Konvertierung beendet!</source>
        <translation>Konvertierung beendet!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="359"/>
        <source>Konvertierung ABGEBROCHEN!!!</source>
        <translation>Konvertierung ABGEBROCHEN!!!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="361"/>
        <source>CONVERSION CRASHED!!!</source>
        <translation>CONVERSION CRASHED!!!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="365"/>
        <source>FEHLER beim Konvertierungsstart!!!</source>
        <translation>FEHLER beim Konvertierungsstart!!!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="366"/>
        <source>&lt;b&gt;ffmpeg meldete einen Fehler!&lt;/b&gt;&lt;br&gt;&lt;br&gt;Bitte überprüfen sie die Einstellungen für die Umwandlung &lt;br&gt;anhand der Fehlerbeschreibung in den Details.&lt;br&gt;</source>
        <translation>&lt;b&gt;ffmpeg meldete einen Fehler!&lt;/b&gt;&lt;br&gt;&lt;br&gt;Bitte überprüfen sie die Einstellungen für die Umwandlung &lt;br&gt;anhand der Fehlerbeschreibung in den Details.&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="402"/>
        <source>FEHLER beim Starten der Konvertierung!!!</source>
        <translation>FEHLER beim Starten der Konvertierung!!!</translation>
    </message>
    <message>
        <location filename="../src/dialog/vantrel.cpp" line="451"/>
        <source>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;vantrel benötigt für den Betrieb&lt;br&gt;das Programm ffmpeg.&lt;br&gt;Bitte installieren Sie die Anwendung mit&lt;br&gt;&lt;b&gt;apt-get install ffmpeg&lt;/b&gt;.&lt;br&gt;vantrel wird geschlossen.</source>
        <translation>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;vantrel benötigt für den Betrieb&lt;br&gt;das Programm ffmpeg.&lt;br&gt;Bitte installieren Sie die Anwendung mit&lt;br&gt;&lt;b&gt;apt-get install ffmpeg&lt;/b&gt;.&lt;br&gt;vantrel wird geschlossen.</translation>
    </message>
    <message>
        <location filename="../src/dialog/desktopbus.cpp" line="108"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../src/dialog/desktopbus.cpp" line="158"/>
        <source>Converting a video</source>
        <translation>Ein Video wird konvertiert</translation>
    </message>
</context>
</TS>
