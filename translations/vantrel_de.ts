<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vantrel</name>
    <message>
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
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Frame height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Video bitrate in kilobit/s</source>
        <translation>Videobitrate in Kilobit/s</translation>
    </message>
    <message>
        <source>Frame width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>PAL-DVD</source>
        <translation>PAL-DVD</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>kopieren</translation>
    </message>
    <message>
        <source>Kilobit/s</source>
        <translation>Kilobit/s</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>TIME REMAINING</source>
        <translation>RESTZEIT</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>FEHLER: Die Ausgabe muss eine lokale Datei sein!</source>
        <translation>FEHLER: Die Ausgabe muss eine lokale Datei sein!</translation>
    </message>
    <message>
        <source>FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!</source>
        <translation>FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!</translation>
    </message>
    <message>
        <source>Die Ausgabedatei existiert bereits. Soll sie ersetzt werden?</source>
        <translation>Die Ausgabedatei existiert bereits. Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Auf dem Ziellaufwerk ist voraussichtlich nicht genug Platz: frei sind %1, die Ausgabe braucht etwa %2. Konvertierung abbrechen?</source>
        <translation>Auf dem Ziellaufwerk ist voraussichtlich nicht genug Platz: frei sind %1, die Ausgabe braucht etwa %2. Konvertierung abbrechen?</translation>
    </message>
    <message>
        <source>FEHLER: Die Ausgabedatei fehlt oder ist leer!</source>
        <translation>FEHLER: Die Ausgabedatei fehlt oder ist leer!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die Ausgabedatei fehlt oder ist leer!&lt;/b&gt;&lt;br&gt;&lt;br&gt;ffmpeg hat sich ohne Fehler beendet, aber keine Ausgabe geschrieben.</source>
        <translation>&lt;b&gt;Die Ausgabedatei fehlt oder ist leer!&lt;/b&gt;&lt;br&gt;&lt;br&gt;ffmpeg hat sich ohne Fehler beendet, aber keine Ausgabe geschrieben.</translation>
    </message>
    <message>
        <source>Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!</source>
        <translation>Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!</translation>
    </message>
    <message>
        <source>Konvertierung beendet!</source>
        <translation>Konvertierung beendet!</translation>
    </message>
    <message>
        <source>Konvertierung ABGEBROCHEN!!!</source>
        <translation>Konvertierung ABGEBROCHEN!!!</translation>
    </message>
    <message>
        <source>CONVERSION CRASHED!!!</source>
        <translation>CONVERSION CRASHED!!!</translation>
    </message>
    <message>
        <source>FEHLER beim Konvertierungsstart!!!</source>
        <translation>FEHLER beim Konvertierungsstart!!!</translation>
    </message>
    <message>
        <source>&lt;b&gt;ffmpeg meldete einen Fehler!&lt;/b&gt;&lt;br&gt;&lt;br&gt;Bitte überprüfen sie die Einstellungen für die Umwandlung &lt;br&gt;anhand der Fehlerbeschreibung in den Details.&lt;br&gt;</source>
        <translation>&lt;b&gt;ffmpeg meldete einen Fehler!&lt;/b&gt;&lt;br&gt;&lt;br&gt;Bitte überprüfen sie die Einstellungen für die Umwandlung &lt;br&gt;anhand der Fehlerbeschreibung in den Details.&lt;br&gt;</translation>
    </message>
    <message>
        <source>FEHLER beim Starten der Konvertierung!!!</source>
        <translation>FEHLER beim Starten der Konvertierung!!!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;vantrel benötigt für den Betrieb&lt;br&gt;das Programm ffmpeg.&lt;br&gt;Bitte installieren Sie die Anwendung mit&lt;br&gt;&lt;b&gt;apt-get install ffmpeg&lt;/b&gt;.&lt;br&gt;vantrel wird geschlossen.</source>
        <translation>&lt;b&gt;Fehler: ffmpeg nicht gefunden!&lt;/b&gt;&lt;br&gt;&lt;br&gt;vantrel benötigt für den Betrieb&lt;br&gt;das Programm ffmpeg.&lt;br&gt;Bitte installieren Sie die Anwendung mit&lt;br&gt;&lt;b&gt;apt-get install ffmpeg&lt;/b&gt;.&lt;br&gt;vantrel wird geschlossen.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Converting a video</source>
        <translation>Ein Video wird konvertiert</translation>
    </message>
</context>
</TS>
