<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <location filename="../cli/main.cpp" line="+19"/>
        <source>write the factory default data file</source>
        <translation>die Werksvorgabe als Datendatei schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>show the radio identity, band limits and channels of a data file</source>
        <translation>Funkgerätekennung, Bandgrenzen und Kanäle einer Datendatei anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>read the radio into a new data file (written only after a complete read)</source>
        <translation>das Funkgerät in eine neue Datendatei auslesen (erst nach vollständigem Lesen geschrieben)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>write a data file into the radio (the file is not changed)</source>
        <translation>eine Datendatei in das Funkgerät schreiben (die Datei bleibt unverändert)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write the channels in use as CSV (standard output by default)</source>
        <translation>die belegten Kanäle als CSV schreiben (standardmäßig auf die Standardausgabe)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>apply the channels of a CSV file to a data file, saved as OUT.dat</source>
        <translation>die Kanäle einer CSV-Datei auf eine Datendatei anwenden, gespeichert als OUT.dat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sort the channels by one or two columns (rx, tx, name, power, ...), printing what moved</source>
        <translation>die Kanäle nach einer oder zwei Spalten sortieren (rx, tx, name, power, ...) und ausgeben, was verschoben wurde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>close the gaps between the channels in use, keeping their order, printing what moved</source>
        <translation>die Lücken zwischen den belegten Kanälen schließen, ihre Reihenfolge bleibt; ausgeben, was verschoben wurde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write a readable report of every setting (text to standard output by default)</source>
        <translation>einen lesbaren Bericht aller Einstellungen schreiben (Text, standardmäßig auf die Standardausgabe)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>list every setting and channel that differs between two data files, or between a data file and the radio, and the bytes no form shows (exit 0 equal, 1 different, 2 trouble)</source>
        <translation>jede Einstellung und jeden Kanal auflisten, die sich zwischen zwei Datendateien oder zwischen einer Datendatei und dem Funkgerät unterscheiden, dazu die Bytes, die kein Formular zeigt (Exit 0 gleich, 1 verschieden, 2 Problem)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>list the backups kept of every radio read, newest first, with their paths</source>
        <translation>die Sicherungen jedes gelesenen Funkgeräts auflisten, neueste zuerst, mit ihren Pfaden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>list the serial ports</source>
        <translation>die seriellen Schnittstellen auflisten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>play a radio on a pseudo-terminal; prints its device path, serves until interrupted</source>
        <translation>ein Funkgerät an einem Pseudo-Terminal spielen; gibt dessen Gerätepfad aus und dient, bis es unterbrochen wird</translation>
    </message>
</context>
<context>
    <name>Duoband</name>
    <message>
        <location filename="../core/AppConfig.cpp" line="+128"/>
        <source>%1 The software apply for %2 model</source>
        <translation>%1 Diese Software ist für das Modell %2</translation>
    </message>
    <message>
        <location filename="../core/DataFile.cpp" line="+19"/>
        <location filename="../core/WholeFile.cpp" line="+35"/>
        <location filename="../channels/widgets/ChannelTableFiles.cpp" line="+34"/>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a data file: it holds %2 bytes; a data file holds %3 bytes, a bare memory image %4.</source>
        <translation>„%1“ ist keine Datendatei: sie enthält %2 Bytes; eine Datendatei enthält %3 Bytes, ein reines Speicherabbild %4.</translation>
    </message>
    <message>
        <location filename="../core/Tones.cpp" line="+97"/>
        <source>Tone range: %1 - %2Hz</source>
        <translation>Tonbereich: %1 - %2 Hz</translation>
    </message>
    <message>
        <location filename="../core/WholeFile.cpp" line="+3"/>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+16"/>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <location filename="../radio/Document.cpp" line="+15"/>
        <location line="+48"/>
        <location filename="../radio/widgets/FrequencyRangeDialog.cpp" line="+31"/>
        <location line="+29"/>
        <source>Edit</source>
        <translation>Bearbeitung</translation>
    </message>
    <message>
        <location filename="../radio/Plausibility.cpp" line="+33"/>
        <source>its band limits are not decimal frequencies</source>
        <translation>seine Bandgrenzen sind keine dezimalen Frequenzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channel 1 is empty</source>
        <translation>Kanal 1 ist leer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency of channel %1 is not a decimal number</source>
        <translation>die Frequenz von Kanal %1 ist keine Dezimalzahl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its model block is not text</source>
        <translation>sein Modellblock ist kein Text</translation>
    </message>
    <message>
        <location filename="../radio/RadioBackups.cpp" line="+90"/>
        <source>Cannot make the backup folder &quot;%1&quot;.</source>
        <translation>Der Sicherungsordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../radio/widgets/FrequencyRangeDialog.cpp" line="-30"/>
        <location line="+26"/>
        <source>Input password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+1"/>
        <location filename="../report/ReportSections.cpp" line="+133"/>
        <source>Frequency range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cell editor</source>
        <translation>Zelleneditor</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Password error!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Frequency band is invalid!</source>
        <translation>Frequenzband ist ungültig!</translation>
    </message>
    <message>
        <location filename="../radio/widgets/ModelView.cpp" line="+37"/>
        <source>Modle</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../link/CloneEngine.cpp" line="+50"/>
        <source>You have no access to this port. Either install the udev rules that come with Duoband (60-duoband-serial.rules in /usr/lib/udev/rules.d, part of its package) and plug the cable in again, or add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Kein Zugriff auf diese Schnittstelle. Installieren Sie entweder die udev-Regeln, die Duoband mitbringt (60-duoband-serial.rules in /usr/lib/udev/rules.d, Teil des Pakets), und stecken Sie das Kabel neu ein, oder fügen Sie Ihren Benutzer der Gruppe hinzu, der das Gerät gehört (%1), zum Beispiel mit „sudo usermod -aG %1 $USER“, und melden Sie sich neu an.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Read %1 KiB from %2</source>
        <translation>%1 KiB von %2 gelesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrote %1 KiB to %2</source>
        <translation>%1 KiB nach %2 geschrieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrong access code</source>
        <translation>Falscher Zugangscode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read cancelled</source>
        <translation>Lesen abgebrochen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write cancelled</source>
        <translation>Schreiben abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open port fail: %1</source>
        <translation>Schnittstelle konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Communication error on %1</source>
        <translation>Übertragungsfehler an %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Communication error</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Could not send to %1.</source>
        <translation>Senden an %1 nicht möglich.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The radio on %1 did not answer the wake-up sequence (%2 tries).</source>
        <translation>Das Funkgerät an %1 hat auf die Wecksequenz nicht geantwortet (%2 Versuche).</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The radio on %1 did not acknowledge its identification.</source>
        <translation>Das Funkgerät an %1 hat seine Kennung nicht bestätigt.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Block %1 came back with %2 of 128 bytes.</source>
        <translation>Block %1 kam mit %2 von 128 Bytes zurück.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+25"/>
        <source>Block %1 was not acknowledged.</source>
        <translation>Block %1 wurde nicht bestätigt.</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Read cancelled.</source>
        <translation>Lesen abgebrochen.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Write cancelled.</source>
        <translation>Schreiben abgebrochen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open port fail</source>
        <translation>Schnittstelle konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The radio is read protected; the access code was not given.</source>
        <translation>Das Funkgerät ist lesegeschützt; der Zugangscode wurde nicht angegeben.</translation>
    </message>
    <message>
        <location filename="../link/Win32SerialLink.cpp" line="+24"/>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <location filename="../link/widgets/AccessCodeDialog.cpp" line="+9"/>
        <location line="+3"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This radio is read protected. Access code:</source>
        <translation>Dieses Funkgerät ist lesegeschützt. Zugangscode:</translation>
    </message>
    <message>
        <location filename="../link/widgets/CloneProgressDialog.cpp" line="+24"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../app/ReportCommands.cpp" line="+233"/>
        <location filename="../cli/CommandClone.cpp" line="+16"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../link/widgets/PortDialog.cpp" line="+22"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB id</source>
        <translation>USB-Kennung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>In use or not accessible</source>
        <translation>Belegt oder nicht zugänglich</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+21"/>
        <source>Device path</source>
        <translation>Gerätepfad</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>/dev/serial/by-id/... or a pseudo-terminal</source>
        <translation>/dev/serial/by-id/... oder ein Pseudo-Terminal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No serial ports were found.</source>
        <translation>Keine seriellen Schnittstellen gefunden.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelBulkEdit.cpp" line="+44"/>
        <source>%1 would not stay with the rest of channel %2</source>
        <translation>%1 würde nicht zum Rest von Kanal %2 passen</translation>
    </message>
    <message>
        <location filename="../channels/ChannelClipboard.cpp" line="+60"/>
        <location filename="../channels/widgets/ChannelTableClipboard.cpp" line="+38"/>
        <source>The clipboard holds no channel rows.</source>
        <translation>Die Zwischenablage enthält keine Kanalzeilen.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelCsv.cpp" line="+50"/>
        <source>The file holds no channel list.</source>
        <translation>Die Datei enthält keine Kanalliste.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelListImport.cpp" line="+50"/>
        <source>the list counts channels from 0: placed at 1-%1</source>
        <translation>die Liste zählt Kanäle ab 0: abgelegt auf 1-%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>channel %1 is given again on line %2</source>
        <translation>Kanal %1 wird in Zeile %2 erneut angegeben</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n channel(s) imported</source>
        <translation>
            <numerusform>%n Kanal importiert</numerusform>
            <numerusform>%n Kanäle importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n line(s) skipped</source>
        <translation>
            <numerusform>%1, %n Zeile übersprungen</numerusform>
            <numerusform>%1, %n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Line 1 is not a channel list header: it needs the columns &quot;CH&quot; and &quot;Rx Freq&quot;, or &quot;Location&quot; and &quot;Frequency&quot;.</source>
        <translation>Zeile 1 ist kein Kopf einer Kanalliste: sie braucht die Spalten „CH“ und „Rx Freq“ oder „Location“ und „Frequency“.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file holds no channel rows.</source>
        <translation>Die Datei enthält keine Kanalzeilen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 of %2 columns</source>
        <translation>%1 von %2 Spalten</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>channel %1 cleared</source>
        <translation>Kanal %1 geleert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>Name „%1“ gespeichert als „%2“</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; skipped</source>
        <translation>; übersprungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n name(s) shortened to 6 characters</source>
        <translation>
            <numerusform>%n Name auf 6 Zeichen gekürzt</numerusform>
            <numerusform>%n Namen auf 6 Zeichen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) raised to upper case</source>
        <translation>
            <numerusform>%n Name in Großbuchstaben gesetzt</numerusform>
            <numerusform>%n Namen in Großbuchstaben gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) changed to the characters a name can hold</source>
        <translation>
            <numerusform>%n Name auf die Zeichen geändert, die ein Name fassen kann</numerusform>
            <numerusform>%n Namen auf die Zeichen geändert, die ein Name fassen kann</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../channels/ChannelListRow.cpp" line="+56"/>
        <source>channel %1 is outside 1-800</source>
        <translation>Kanal %1 liegt außerhalb von 1-800</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a number (%2)</source>
        <translation>%1 ist keine Zahl (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MHz lies in no band of the radio</source>
        <translation>%1 MHz liegt in keinem Band des Funkgeräts</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CTCSS %1 is outside 60.0-260.0 Hz</source>
        <translation>CTCSS %1 liegt außerhalb von 60,0-260,0 Hz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DCS %1 is outside 000-777</source>
        <translation>DCS %1 liegt außerhalb von 000-777</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a %2 value</source>
        <translation>%1 ist kein Wert für %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 %2 MHz cannot be stored in channel %3 (it would become %4)</source>
        <translation>%1 %2 MHz kann nicht in Kanal %3 gespeichert werden (es würde %4)</translation>
    </message>
    <message>
        <location filename="../channels/ChannelOrder.cpp" line="+68"/>
        <source>channel 1 stays in a main band: %1 MHz placed first</source>
        <translation>Kanal 1 bleibt in einem Hauptband: %1 MHz zuerst abgelegt</translation>
    </message>
    <message>
        <location filename="../channels/ChannelRows.cpp" line="+59"/>
        <source>No channel to insert at.</source>
        <translation>Kein Kanal zum Einfügen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 is in use: inserting would push it past channel %2. Delete a row below first.</source>
        <translation>Kanal %1 ist belegt: Einfügen würde ihn über Kanal %2 hinausschieben. Löschen Sie zuerst eine Zeile darunter.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="+158"/>
        <source>%1 MHz lies in no band of this radio: %2</source>
        <translation>%1 MHz liegt in keinem Band dieses Funkgeräts: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel 1 stays in the 150M or 450M band: %1</source>
        <translation>Kanal 1 bleibt im Band 150M oder 450M: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Channel 1 can never be emptied</source>
        <translation>Kanal 1 kann nie geleert werden</translation>
    </message>
    <message>
        <location filename="../channels/CsvText.cpp" line="+113"/>
        <source>%1: line %2 is longer than %3 KiB; this is not a channel list.</source>
        <translation>%1: Zeile %2 ist länger als %3 KiB; das ist keine Kanalliste.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is larger than %2 MiB; this is not a channel list.</source>
        <translation>%1 ist größer als %2 MiB; das ist keine Kanalliste.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../channels/InterchangeChannelList.cpp" line="+26"/>
        <source>%1 is not a location</source>
        <translation>%1 ist keine Speicherstelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a frequency</source>
        <translation>%1 ist keine Frequenz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an offset</source>
        <translation>%1 ist keine Ablage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 MHz is more than a frequency holds</source>
        <translation>%1 MHz ist mehr, als eine Frequenz fasst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>offset %1 MHz is more than a frequency holds</source>
        <translation>Ablage %1 MHz ist mehr, als eine Frequenz fasst</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>split Tx %1 MHz is not a frequency</source>
        <translation>getrennte Sendefrequenz %1 MHz ist keine Frequenz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Duplex &quot;off&quot; cannot be kept; Tx = Rx</source>
        <translation>Duplex „off“ kann nicht übernommen werden; Tx = Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a duplex</source>
        <translation>%1 ist kein Duplex-Wert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tx %1 MHz lies outside what a frequency holds</source>
        <translation>Tx %1 MHz liegt außerhalb dessen, was eine Frequenz fasst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative offset: Tx %1 MHz</source>
        <translation>negative Ablage: Tx %1 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>mode %1 is not supported</source>
        <translation>Betriebsart %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skip %1 is not supported</source>
        <translation>Überspringen %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../channels/InterchangeValues.cpp" line="+75"/>
        <source>cross mode %1 is not supported</source>
        <translation>Kreuzbetrieb %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tone mode %1 is not supported</source>
        <translation>Tonbetrieb %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>sends %1 Hz, receives open</source>
        <translation>sendet %1 Hz, empfängt offen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>sends DCS %1 and receives on it</source>
        <translation>sendet DCS %1 und empfängt darauf</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>receives open</source>
        <translation>empfängt offen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cross %1</source>
        <translation>Kreuzbetrieb %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTCS %1/%2</source>
        <translation>DTCS %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 became &quot;%2&quot;%3</source>
        <translation>%1 wurde zu „%2“%3</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>power %1 is no level of this radio; power kept</source>
        <translation>Leistung %1 ist keine Stufe dieses Funkgeräts; Leistung bleibt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>every line gives %1: the channels keep their power levels</source>
        <translation>jede Zeile nennt %1: die Kanäle behalten ihre Leistungsstufen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>power in watts: %1</source>
        <translation>Leistung in Watt: %1</translation>
    </message>
    <message>
        <location filename="../channels/NativeChannelList.cpp" line="+11"/>
        <source>%1 is not a channel number</source>
        <translation>%1 ist keine Kanalnummer</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelEditDialog.cpp" line="+30"/>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+40"/>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>Channel number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Next channel</source>
        <translation>Nächster Kanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous channel</source>
        <translation>Vorheriger Kanal</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+1"/>
        <location filename="../report/ReportSections.cpp" line="+43"/>
        <source>Channel setting</source>
        <translation>Kanaleinstellung</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelFindBar.cpp" line="+13"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name or frequency</source>
        <translation>Name oder Frequenz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find next (F3)</source>
        <translation>Weitersuchen (F3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find previous (Shift+F3)</source>
        <translation>Rückwärts suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../widgets/CloseButton.cpp" line="+8"/>
        <location filename="../app/BackupsDialog.cpp" line="+81"/>
        <location filename="../app/FormFrame.cpp" line="+15"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the find bar (Escape)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelImportDialog.cpp" line="+36"/>
        <source>At the channels the list names</source>
        <translation>Auf den Kanälen, die die Liste nennt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In file order from channel</source>
        <translation>In Dateireihenfolge ab Kanal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import channels - %1</source>
        <translation>Kanäle importieren - %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>First channel</source>
        <translation>Erster Kanal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of the list</source>
        <translation>Zeilen der Liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Place the lines:</source>
        <translation>Zeilen ablegen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/widgets/ChannelSortDialog.cpp" line="+69"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelRecordEditor.cpp" line="+128"/>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelSortDialog.cpp" line="-45"/>
        <location filename="../report/Report.cpp" line="+50"/>
        <location filename="../report/ReportDiff.cpp" line="+248"/>
        <location filename="../cli/CommandInfo.cpp" line="+16"/>
        <location line="+12"/>
        <location line="+23"/>
        <location line="+2"/>
        <location line="+3"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chosen rows (%1)</source>
        <translation>Gewählte Zeilen (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All channels in use</source>
        <translation>Alle belegten Kanäle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/widgets/ChannelTableOrganize.cpp" line="+45"/>
        <source>Sort channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Then by</source>
        <translation>Dann nach</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sort by:</source>
        <translation>Sortieren nach:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Then by:</source>
        <translation>Dann nach:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order:</source>
        <translation>Reihenfolge:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="+17"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableFiles.cpp" line="-10"/>
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n Kanal nach %1 exportiert</numerusform>
            <numerusform>%n Kanäle nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+32"/>
        <location line="+22"/>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+32"/>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>These lines were skipped:
%1</source>
        <translation>Diese Zeilen wurden übersprungen:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Note:
%1</source>
        <translation>Hinweis:
%1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Import cancelled; nothing changed</source>
        <translation>Import abgebrochen; nichts geändert</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel table (*.csv)</source>
        <translation>Kanaltabelle (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list for other programmers (*.csv)</source>
        <translation>Kanalliste für andere Programmiersoftware (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableOrganize.cpp" line="-10"/>
        <source>The channels are in that order already</source>
        <translation>Die Kanäle sind bereits in dieser Reihenfolge</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There are no gaps to close</source>
        <translation>Es gibt keine Lücken zu schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="+24"/>
        <source>Close gaps</source>
        <translation>Lücken schließen</translation>
    </message>
    <message numerus="yes">
        <location line="-21"/>
        <source>Sorted by %1, descending: %n channel(s) moved</source>
        <translation>
            <numerusform>Absteigend sortiert nach %1: %n Kanal verschoben</numerusform>
            <numerusform>Absteigend sortiert nach %1: %n Kanäle verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Sorted by %1: %n channel(s) moved</source>
        <translation>
            <numerusform>Sortiert nach %1: %n Kanal verschoben</numerusform>
            <numerusform>Sortiert nach %1: %n Kanäle verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>Closed gaps: %n channel(s) moved up</source>
        <translation>
            <numerusform>Lücken geschlossen: %n Kanal nach oben verschoben</numerusform>
            <numerusform>Lücken geschlossen: %n Kanäle nach oben verschoben</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete empties channels; an empty Rx Freq is not set for chosen rows</source>
        <translation>Löschen leert Kanäle; eine leere Rx-Frequenz wird nicht für gewählte Zeilen gesetzt</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Set %1 for %n channel(s)</source>
        <translation>
            <numerusform>%1 für %n Kanal gesetzt</numerusform>
            <numerusform>%1 für %n Kanäle gesetzt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; channel %1 kept its %2 (%3)</source>
        <translation>; Kanal %1 behielt %2 (%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Set for chosen rows</source>
        <translation>Für gewählte Zeilen setzen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channel %1, from the top again</source>
        <translation>Kanal %1, wieder von oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>channel %1, from the bottom again</source>
        <translation>Kanal %1, wieder von unten</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="-22"/>
        <location filename="../report/widgets/DifferencesDialog.cpp" line="+80"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort channels...</source>
        <translation>Kanäle sortieren...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal ausschneiden</numerusform>
            <numerusform>%n Kanäle ausschneiden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal löschen</numerusform>
            <numerusform>%n Kanäle löschen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; channel 1 can never be emptied</source>
        <translation>; Kanal 1 kann nie geleert werden</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Insert %n row(s) at %1</source>
        <translation>
            <numerusform>%n Zeile bei %1 einfügen</numerusform>
            <numerusform>%n Zeilen bei %1 einfügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Delete %n row(s) at %1</source>
        <translation>
            <numerusform>%n Zeile bei %1 löschen</numerusform>
            <numerusform>%n Zeilen bei %1 löschen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Choose adjacent rows to move them.</source>
        <translation>Wählen Sie benachbarte Zeilen, um sie zu verschieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel 1 is the first channel.</source>
        <translation>Kanal 1 ist der erste Kanal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel 800 is the last channel.</source>
        <translation>Kanal 800 ist der letzte Kanal.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move channel %1 up</source>
        <translation>Kanal %1 nach oben verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move channel %1 down</source>
        <translation>Kanal %1 nach unten verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move channels %1 up</source>
        <translation>Kanäle %1 nach oben verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move channels %1 down</source>
        <translation>Kanäle %1 nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+1"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Frequency editor</source>
        <translation>Frequenzeditor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name editor</source>
        <translation>Nameneditor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List editor</source>
        <translation>Listeneditor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS editor</source>
        <translation>CTCSS-Editor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DCS editor</source>
        <translation>DCS-Editor</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Import channels...</source>
        <translation>Kanäle importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export channels...</source>
        <translation>Kanäle exportieren...</translation>
    </message>
    <message>
        <location line="+69"/>
        <location line="+24"/>
        <source>Edit channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ScanChannelView.cpp" line="+18"/>
        <location filename="../report/ReportSections.cpp" line="+12"/>
        <source>Scan channel</source>
        <translation>Suchlaufkanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan channels</source>
        <translation>Suchlaufkanäle</translation>
    </message>
    <message>
        <location filename="../channels/widgets/VfoDialog.cpp" line="+19"/>
        <source>VFO records</source>
        <translation>VFO-Datensätze</translation>
    </message>
    <message>
        <location filename="../settings/AlarmSettings.cpp" line="+38"/>
        <source>DTMF entry %1 is not offered: its Num is empty or begins with 0</source>
        <translation>DTMF-Eintrag %1 wird nicht angeboten: seine Nummer ist leer oder beginnt mit 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF entries %1 are not offered: their Num is empty or begins with 0</source>
        <translation>DTMF-Einträge %1 werden nicht angeboten: ihre Nummer ist leer oder beginnt mit 0</translation>
    </message>
    <message>
        <location filename="../settings/DtmfCodeTable.cpp" line="+170"/>
        <source>Entry %1 has no Num: it is not offered as the Alarm&apos;s EMI code</source>
        <translation>Eintrag %1 hat keine Nummer: er wird nicht als EMI-Code des Alarms angeboten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry %1 is not offered as the Alarm&apos;s EMI code: its Num %2 begins with 0</source>
        <translation>Eintrag %1 wird nicht als EMI-Code des Alarms angeboten: seine Nummer %2 beginnt mit 0</translation>
    </message>
    <message>
        <location filename="../settings/widgets/AlarmView.cpp" line="+11"/>
        <location filename="../report/ReportSections.cpp" line="+17"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location filename="../settings/widgets/BasicSettingView.cpp" line="+20"/>
        <location filename="../report/ReportSections.cpp" line="-8"/>
        <source>Basic setting</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../settings/widgets/DtmfView.cpp" line="+44"/>
        <source>Type editor</source>
        <translation>Typ-Editor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Num editor</source>
        <translation>Nummern-Editor</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../settings/widgets/TwoToneView.cpp" line="+100"/>
        <source>Alias editor</source>
        <translation>Alias-Editor</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../report/ReportSections.cpp" line="+15"/>
        <source>DTMF codes</source>
        <translation>DTMF-Codes</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Clear entry</source>
        <translation>Eintrag leeren</translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <source>Cleared %n entry(s)</source>
        <translation>
            <numerusform>%n Eintrag geleert</numerusform>
            <numerusform>%n Einträge geleert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; entry 1 can never be emptied</source>
        <translation>; Eintrag 1 kann nie geleert werden</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTTID</source>
        <translation>PTT-ID</translation>
    </message>
    <message>
        <location filename="../settings/widgets/FiveToneView.cpp" line="+22"/>
        <location line="+15"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Infomation Group</source>
        <translation>Informationsgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Group</source>
        <translation>Kontaktgruppe</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../report/ReportSections.cpp" line="+19"/>
        <source>5Tone</source>
        <translation>5-Ton</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../report/ReportSections.cpp" line="+2"/>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/widgets/TwoToneView.cpp" line="+16"/>
        <location filename="../report/ReportSections.cpp" line="+2"/>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location filename="../settings/widgets/TwoToneView.cpp" line="-88"/>
        <source>Systems</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <location line="+68"/>
        <location filename="../report/ReportSections.cpp" line="-12"/>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone editor</source>
        <translation>Ton-Editor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format editor</source>
        <translation>Format-Editor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System editor</source>
        <translation>System-Editor</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../report/ReportSections.cpp" line="-6"/>
        <source>2Tone</source>
        <translation>2-Ton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../report/PageLayout.cpp" line="+23"/>
        <source>-- Page %1 of %2 --</source>
        <translation>-- Seite %1 von %2 --</translation>
    </message>
    <message>
        <location filename="../report/Report.cpp" line="-39"/>
        <source>(not in use)</source>
        <translation>(nicht belegt)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date</source>
        <translation>Letztes Programmierdatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duoband %1</source>
        <translation>Duoband %1</translation>
    </message>
    <message>
        <location filename="../report/ReportDiff.cpp" line="-2"/>
        <source>%1 moved to %2</source>
        <translation>%1 verschoben nach %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PC block 0x</source>
        <translation>PC-Block 0x</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n Byte unterscheidet sich</numerusform>
            <numerusform>%n Bytes unterscheiden sich</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the forms (first at %2)</source>
        <translation>%1 außerhalb der Formulare (erstes bei %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 where the forms show the same (first at %2)</source>
        <translation>%1, wo die Formulare dasselbe zeigen (erstes bei %2)</translation>
    </message>
    <message>
        <location filename="../report/ReportSections.cpp" line="-88"/>
        <location filename="../app/BackupsDialog.cpp" line="-40"/>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+2"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel details</source>
        <translation>Kanaldetails</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>System %1</source>
        <translation>System %1</translation>
    </message>
    <message>
        <location filename="../settings/widgets/FiveToneView.cpp" line="-8"/>
        <location filename="../report/ReportSections.cpp" line="+12"/>
        <location line="+2"/>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location filename="../report/pages/ReportPages.cpp" line="+20"/>
        <source> (continued)</source>
        <translation> (Fortsetzung)</translation>
    </message>
    <message>
        <location line="+318"/>
        <source>Cannot make the report of %1</source>
        <translation>Der Bericht von %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../report/widgets/DifferencesDialog.cpp" line="-58"/>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>moved to</source>
        <translation>verschoben nach</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bytes no form shows</source>
        <translation>Bytes, die kein Formular zeigt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Save differences</source>
        <translation>Unterschiede speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Text (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../report/widgets/ReportPreview.cpp" line="+12"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../help/widgets/HelpWindow.cpp" line="+43"/>
        <source>Duoband Help</source>
        <translation>Duoband-Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Index entry</source>
        <translation>Indexeintrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Search words</source>
        <translation>Suchwörter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words to find</source>
        <translation>Zu suchende Wörter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>No topic has these words.</source>
        <translation>Kein Thema enthält diese Wörter.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Duoband Help - %1</source>
        <translation>Duoband-Hilfe - %1</translation>
    </message>
    <message>
        <location filename="../app/BackupsDialog.cpp" line="-3"/>
        <location line="+6"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Read on</source>
        <translation>Gelesen am</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels in use</source>
        <translation>Belegte Kanäle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Differences from the open data</source>
        <translation>Unterschiede zu den offenen Daten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No radio has been read yet. Every read is kept in %1.</source>
        <translation>Noch kein Funkgerät wurde gelesen. Jedes Lesen wird in %1 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The backups are plain data files in %1; removing one there removes it from this list.</source>
        <translation>Die Sicherungen sind gewöhnliche Datendateien in %1; wer dort eine entfernt, entfernt sie aus dieser Liste.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <location filename="../app/FileCommands.cpp" line="+98"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="-74"/>
        <location filename="../app/ReportCommands.cpp" line="-72"/>
        <source>Param Files (*.dat)</source>
        <translation>Parameterdateien (*.dat)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sorry, error not find.</source>
        <translation>Entschuldigung, Fehler nicht gefunden.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Warnning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all data! 
continue?</source>
        <translation>Alle Daten löschen! 
Fortfahren?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New data from the factory default</source>
        <translation>Neue Daten aus der Werksvorgabe</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+59"/>
        <source>Open anyway?</source>
        <translation>Trotzdem öffnen?</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>backup of %1, %2</source>
        <translation>Sicherung von %1, %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opened the backup %1; Save As keeps it in a file of its own</source>
        <translation>Sicherung %1 geöffnet; Speichern unter bewahrt sie in einer eigenen Datei</translation>
    </message>
    <message>
        <location filename="../app/FormFrame.cpp" line="-1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../app/FormWindows.cpp" line="+206"/>
        <source>Cascade</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange</source>
        <translation>Anordnen</translation>
    </message>
    <message>
        <location filename="../app/HistoryCommands.cpp" line="+28"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Nothing changed in %1</source>
        <translation>Nichts geändert in %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <location filename="../app/MainMenus.cpp" line="+133"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="+118"/>
        <source>Freq</source>
        <translation>Freq</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+11"/>
        <source>Tree Bar</source>
        <translation>Baumleiste</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Store all</source>
        <translation>Alles speichern</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>This file does not look like data for this radio (%1). %2</source>
        <translation>Diese Datei sieht nicht nach Daten für dieses Funkgerät aus (%1). %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The language could not be kept in %1.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new language is used from the next start of the program.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start des Programms.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
Version %1</source>
        <translation>
Version %1</translation>
    </message>
    <message>
        <location filename="../app/ReportCommands.cpp" line="-93"/>
        <source>Printed %1</source>
        <translation>%1 gedruckt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printing %1 failed</source>
        <translation>Drucken von %1 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Pages: %1, %2</source>
        <translation>Seiten: %1, %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Export report as PDF</source>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Report written to %1</source>
        <translation>Bericht nach %1 geschrieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+13"/>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Compare the open data with a data file or with the radio?</source>
        <translation>Die offenen Daten mit einer Datendatei oder mit dem Funkgerät vergleichen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A file...</source>
        <translation>Eine Datei...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The radio</source>
        <translation>Das Funkgerät</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The open data and %1 do not differ.</source>
        <translation>Die offenen Daten und %1 unterscheiden sich nicht.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n difference(s): what %1 holds -&gt; what the open data holds.</source>
        <translation>
            <numerusform>%n Unterschied: was %1 enthält -&gt; was die offenen Daten enthalten.</numerusform>
            <numerusform>%n Unterschiede: was %1 enthält -&gt; was die offenen Daten enthalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n difference(s) from %1</source>
        <translation>
            <numerusform>%n Unterschied zu %1</numerusform>
            <numerusform>%n Unterschiede zu %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-1"/>
        <source>No differences from %1</source>
        <translation>Keine Unterschiede zu %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the radio</source>
        <translation>das Funkgerät</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing was read from the radio since the program started, so what it holds now is not known. The Write sends every setting and channel of the open data.</source>
        <translation>Seit dem Programmstart wurde nichts aus dem Funkgerät gelesen, daher ist unbekannt, was es jetzt enthält. Das Schreiben sendet jede Einstellung und jeden Kanal der offenen Daten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio holds this data already, as last read from it. The Write sends it again with today&apos;s date.</source>
        <translation>Das Funkgerät enthält diese Daten bereits, wie zuletzt daraus gelesen. Das Schreiben sendet sie erneut mit dem heutigen Datum.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Write changes these in the radio: what it holds -&gt; what it will hold.</source>
        <translation>Das Schreiben ändert dies im Funkgerät: was es enthält -&gt; was es enthalten wird.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read a backup first</source>
        <translation>Erst eine Sicherung lesen</translation>
    </message>
    <message>
        <location filename="../app/TransferCommands.cpp" line="+29"/>
        <source>The read succeeded, but no backup of it could be kept.
%1</source>
        <translation>Das Lesen war erfolgreich, aber keine Sicherung davon konnte aufbewahrt werden.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; no backup kept</source>
        <translation>; keine Sicherung aufbewahrt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the newest backup holds the same</source>
        <translation>; die neueste Sicherung enthält dasselbe</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>There are %n backup(s) of this radio, taking %1 MB.</source>
        <translation>
            <numerusform>Es gibt %n Sicherung dieses Funkgeräts mit %1 MB.</numerusform>
            <numerusform>Es gibt %n Sicherungen dieses Funkgeräts mit zusammen %1 MB.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove the oldest, keeping the newest %1?</source>
        <translation>Die ältesten entfernen und die neuesten %1 behalten?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; backup kept: %1</source>
        <translation>; Sicherung aufbewahrt: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read from radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Write anyway?</source>
        <translation>Trotzdem schreiben?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backup of this radio: %1</source>
        <translation>Sicherung dieses Funkgeräts: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no backup of this radio: what it holds now is lost unless it is read first.</source>
        <translation>Es gibt keine Sicherung dieses Funkgeräts: was es jetzt enthält, geht verloren, wenn es nicht zuerst gelesen wird.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Programming date</source>
        <translation>Programmierdatum</translation>
    </message>
    <message>
        <location filename="../cli/CliFiles.cpp" line="+36"/>
        <source>duoband-cli: cannot write to standard output: </source>
        <translation>duoband-cli: Schreiben auf die Standardausgabe nicht möglich: </translation>
    </message>
    <message>
        <location filename="../cli/CommandBackups.cpp" line="+27"/>
        <source>duoband-cli: warning: no backup kept: </source>
        <translation>duoband-cli: Warnung: keine Sicherung aufbewahrt: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup kept: </source>
        <translation>Sicherung aufbewahrt: </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Only the radio with this serial number.</source>
        <translation>Nur das Funkgerät mit dieser Seriennummer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no files are given</source>
        <translation>keine Dateien angegeben</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n backup(s) in %1</source>
        <translation>
            <numerusform>%n Sicherung in %1</numerusform>
            <numerusform>%n Sicherungen in %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../cli/CommandClone.cpp" line="+0"/>
        <source>Read </source>
        <translation>Lesen    </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio is read protected. Access code: </source>
        <translation>Das Funkgerät ist lesegeschützt. Zugangscode: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the radio is read protected: give its access code with --code</source>
        <translation>das Funkgerät ist lesegeschützt: geben Sie seinen Zugangscode mit --code an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong access code: the radio is read protected</source>
        <translation>falscher Zugangscode: das Funkgerät ist lesegeschützt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The serial port, or any device path.</source>
        <translation>Die serielle Schnittstelle oder ein beliebiger Gerätepfad.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The access code of a read protected radio (asked for when missing).</source>
        <translation>Der Zugangscode eines lesegeschützten Funkgeräts (wird erfragt, wenn er fehlt).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../cli/CommandCsv.cpp" line="+40"/>
        <location filename="../cli/CommandNew.cpp" line="+10"/>
        <location filename="../cli/CommandOrder.cpp" line="+39"/>
        <location line="+49"/>
        <source>The data file to write.</source>
        <translation>Die zu schreibende Datendatei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../cli/CommandCsv.cpp" line="+12"/>
        <location filename="../cli/CommandNew.cpp" line="+5"/>
        <location filename="../cli/CommandOrder.cpp" line="-27"/>
        <location line="+36"/>
        <source>the output file is missing</source>
        <translation>die Ausgabedatei fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>give --port and -o</source>
        <translation>geben Sie --port und -o an</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file to send.</source>
        <translation>Die zu sendende Datendatei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>give --port and one data file</source>
        <translation>geben Sie --port und eine Datendatei an</translation>
    </message>
    <message>
        <location filename="../cli/CommandCsv.cpp" line="-40"/>
        <source>The CSV file to write (standard output by default).</source>
        <translation>Die zu schreibende CSV-Datei (standardmäßig die Standardausgabe).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>native (the channel table&apos;s columns, the default) or interchange.</source>
        <translation>native (die Spalten der Kanaltabelle, Vorgabe) oder interchange.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+29"/>
        <location filename="../cli/CommandInfo.cpp" line="+7"/>
        <location filename="../cli/CommandOrder.cpp" line="-43"/>
        <location line="+36"/>
        <location filename="../cli/CommandReport.cpp" line="+22"/>
        <source>The data file.</source>
        <translation>Die Datendatei.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>--format is native or interchange</source>
        <translation>--format ist native oder interchange</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../cli/CommandOrder.cpp" line="-31"/>
        <location line="+36"/>
        <location filename="../cli/CommandReport.cpp" line="+5"/>
        <source>give one data file</source>
        <translation>geben Sie eine Datendatei an</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Place the lines in file order from channel N, gaps closed (by default each line goes to the channel it names).</source>
        <translation>Die Zeilen in Dateireihenfolge ab Kanal N ablegen, Lücken geschlossen (standardmäßig geht jede Zeile auf den Kanal, den sie nennt).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The channel list.</source>
        <translation>Die Kanalliste.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give a data file and a CSV file</source>
        <translation>geben Sie eine Datendatei und eine CSV-Datei an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--at takes a channel from 1 to 800</source>
        <translation>--at nimmt einen Kanal von 1 bis 800</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>duoband-cli: cannot open &quot;</source>
        <translation>duoband-cli: kann nicht öffnen: &quot;</translation>
    </message>
    <message>
        <location filename="../cli/CommandInfo.cpp" line="-28"/>
        <source>Band limits (MHz):
</source>
        <translation>Bandgrenzen (MHz):
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In radio</source>
        <translation>Im Gerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx lower</source>
        <translation>Rx unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx upper</source>
        <translation>Rx oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx lower</source>
        <translation>Tx unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx upper</source>
        <translation>Tx oben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main bands:        </source>
        <translation>Hauptbänder:         </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default band:      </source>
        <translation>Vorgabeband:         </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>give exactly one data file</source>
        <translation>geben Sie genau eine Datendatei an</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>File:              </source>
        <translation>Datei:               </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial number:     </source>
        <translation>Seriennummer:        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model name:        </source>
        <translation>Modellname:          </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model code:        </source>
        <translation>Modellcode:          </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version:  </source>
        <translation>Firmwareversion:     </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date: </source>
        <translation>Programmierdatum:    </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(never)</source>
        <translation>(nie)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channels in use:   </source>
        <translation>Belegte Kanäle:      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> of 800 (bank B: </source>
        <translation> von 800 (Bank B: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> of 800)
</source>
        <translation> von 800)
</translation>
    </message>
    <message>
        <location filename="../cli/CommandNew.cpp" line="+3"/>
        <location filename="../cli/CommandSim.cpp" line="+28"/>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartet: „%1“</translation>
    </message>
    <message numerus="yes">
        <location filename="../cli/CommandOrder.cpp" line="-64"/>
        <source>%n channel(s) moved</source>
        <translation>
            <numerusform>%n Kanal verschoben</numerusform>
            <numerusform>%n Kanäle verschoben</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>One or two keys, the second for equal first keys: %1.</source>
        <translation>Ein oder zwei Schlüssel, der zweite bei gleichem ersten: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highest first.</source>
        <translation>Höchste zuerst.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort the channels A to B among themselves (empty ones stay); all channels in use by default, empty ones to the end.</source>
        <translation>Die Kanäle A bis B unter sich sortieren (leere bleiben); standardmäßig alle belegten Kanäle, leere ans Ende.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no sort key &quot;%1&quot;</source>
        <translation>kein Sortierschlüssel „%1“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--by takes one or two keys</source>
        <translation>--by nimmt einen oder zwei Schlüssel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--range is A-B within 1-800</source>
        <translation>--range ist A-B innerhalb 1-800</translation>
    </message>
    <message>
        <location filename="../cli/CommandPorts.cpp" line="+12"/>
        <source>takes no arguments</source>
        <translation>nimmt keine Argumente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No serial ports found. A port can still be given by its path, for example one made by &quot;duoband-cli sim&quot;.
</source>
        <translation>Keine seriellen Schnittstellen gefunden. Eine Schnittstelle kann trotzdem über ihren Pfad angegeben werden, zum Beispiel eine von „duoband-cli sim“ erzeugte.
</translation>
    </message>
    <message>
        <location filename="../cli/CommandReport.cpp" line="-11"/>
        <source>The report to write (text to standard output by default).</source>
        <translation>Der zu schreibende Bericht (Text, standardmäßig auf die Standardausgabe).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>text or pdf (by default pdf for an output file ending in .pdf).</source>
        <translation>text oder pdf (standardmäßig pdf für eine Ausgabedatei mit der Endung .pdf).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--format is text or pdf</source>
        <translation>--format ist text oder pdf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a PDF report needs an output file (-o)</source>
        <translation>ein PDF-Bericht braucht eine Ausgabedatei (-o)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>duoband-cli: cannot draw the report&apos;s pages
</source>
        <translation>duoband-cli: die Seiten des Berichts können nicht gezeichnet werden
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The data file before.</source>
        <translation>Die Datendatei vorher.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The data file after (with --port: the radio).</source>
        <translation>Die Datendatei nachher (mit --port: das Funkgerät).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>give two data files, or one and --port</source>
        <translation>geben Sie zwei Datendateien an oder eine und --port</translation>
    </message>
    <message>
        <location filename="../cli/CommandSim.cpp" line="-12"/>
        <source>The data file whose memory the radio holds (the factory default otherwise).</source>
        <translation>Die Datendatei, deren Speicher das Funkgerät hält (sonst die Werksvorgabe).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Be read protected: ask for the access code.</source>
        <translation>Lesegeschützt sein: nach dem Zugangscode fragen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer as slowly as a real 38,400-baud line.</source>
        <translation>So langsam antworten wie eine echte Leitung mit 38.400 Baud.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Never answer.</source>
        <translation>Nie antworten.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Virtual radio on </source>
        <translation>Virtuelles Funkgerät an </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Virtual radio stopped after %n session(s).</source>
        <translation>
            <numerusform>Virtuelles Funkgerät nach %n Sitzung beendet.</numerusform>
            <numerusform>Virtuelles Funkgerät nach %n Sitzungen beendet.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+8"/>
        <source>Usage: duoband-cli COMMAND [ARGS]</source>
        <translation>Aufruf: duoband-cli BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Options:
  --help     show this text (after a command: that command&apos;s)
  --version  show the version

Exit codes: 0 success, 1 failure, 2 usage error.
</source>
        <translation>Optionen:
  --help     diesen Text zeigen (nach einem Befehl: den des Befehls)
  --version  die Version zeigen

Exit-Codes: 0 Erfolg, 1 Fehler, 2 Aufruffehler.
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Usage: duoband-cli %1 %2</source>
        <translation>Aufruf: duoband-cli %1 %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>duoband-cli: unknown command &quot;%1&quot; (see duoband-cli --help)</source>
        <translation>duoband-cli: unbekannter Befehl „%1“ (siehe duoband-cli --help)</translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableClipboard.cpp" line="-12"/>
        <source>Copied %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal kopiert</numerusform>
            <numerusform>%n Kanäle kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <location line="+12"/>
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal einfügen</numerusform>
            <numerusform>%n Kanäle einfügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-11"/>
        <location line="+12"/>
        <source>Pasted %n channel(s) at %1</source>
        <translation>
            <numerusform>%n Kanal bei %1 eingefügt</numerusform>
            <numerusform>%n Kanäle bei %1 eingefügt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../core/Language.cpp" line="+30"/>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>Radio</name>
    <message>
        <location filename="../radio/BandLimitEditing.cpp" line="+26"/>
        <location filename="../settings/DtmfCodeTable.cpp" line="-133"/>
        <location filename="../settings/TwoToneContacts.cpp" line="+34"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Lower</source>
        <translation>Rx unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Upper</source>
        <translation>Rx oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Lower</source>
        <translation>Tx unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Upper</source>
        <translation>Tx oben</translation>
    </message>
    <message>
        <location filename="../radio/RadioIdentity.cpp" line="+63"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Model name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model code</source>
        <translation>Modellcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date</source>
        <translation>Letztes Programmierdatum</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="-126"/>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DCS Polarity</source>
        <translation>DCS-Polarität</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="+124"/>
        <location line="+44"/>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <location filename="../channels/RecordFields.cpp" line="-45"/>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="+36"/>
        <location filename="../channels/ChannelTable.cpp" line="-20"/>
        <source>Signaling</source>
        <translation>Signalisierung</translation>
    </message>
    <message>
        <location line="-6"/>
        <location filename="../channels/ChannelTable.cpp" line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="-10"/>
        <location line="+53"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+212"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="-10"/>
        <source>Rx Freq</source>
        <translation>Rx-Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Tx-Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decode Type</source>
        <translation>Decodiertyp</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receive frequency (MHz)</source>
        <translation>Empfangsfrequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit frequency (MHz)</source>
        <translation>Sendefrequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Which tones the channel sends and decodes</source>
        <translation>Welche Töne der Kanal sendet und auswertet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone (Hz)</source>
        <translation>CTCSS-Subton (Hz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="-51"/>
        <source>DCS code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="+1"/>
        <source>DCS polarity</source>
        <translation>DCS-Polarität</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan: allowed, skipped or priority</source>
        <translation>Suchlauf: erlaubt, übersprungen oder Vorrang</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../channels/RecordFields.cpp" line="+2"/>
        <source>Option signaling</source>
        <translation>Optionale Signalisierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel name (up to 6 characters)</source>
        <translation>Kanalname (bis zu 6 Zeichen)</translation>
    </message>
    <message>
        <location filename="../channels/RecordFields.cpp" line="-7"/>
        <location line="+35"/>
        <source>Rx frequency(MHz)</source>
        <translation>Rx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Tx frequency(MHz)</source>
        <translation>Tx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>CTCSS tone</source>
        <translation>CTCSS-Subton</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Decode type</source>
        <translation>Decodiertyp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siganling decode</source>
        <translation>Signalisierungs-Decodierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID</source>
        <translation>PTT-ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SQL mode</source>
        <translation>Rauschsperren-Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Tx stop</source>
        <translation>Tx-Sperre</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Tx power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Busy lock</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+42"/>
        <source>Display type</source>
        <translation>Anzeigetyp</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Frequency step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>Offset direction</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+34"/>
        <source>Offset freq(MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+39"/>
        <source>Reverse backup</source>
        <translation>Umkehr-Sicherung</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Emphasis</source>
        <translation>Preemphasis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk around</source>
        <translation>Direktbetrieb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beat shift</source>
        <translation>Schwebungsverschiebung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rx frequency (MHz)</source>
        <translation>Rx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency (MHz)</source>
        <translation>Tx-Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy lcok</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deocde type</source>
        <translation>Decodiertyp</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="+17"/>
        <location filename="../settings/AlarmSettings.cpp" line="-17"/>
        <location line="+40"/>
        <location filename="../settings/DtmfCodeTable.cpp" line="+6"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-187"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location filename="../settings/AlarmSettings.cpp" line="-15"/>
        <source>Alarm type</source>
        <translation>Alarmtyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../report/FormCatalog.cpp" line="+25"/>
        <location filename="../app/CommandRegistry.cpp" line="+87"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transpond+Background</source>
        <translation>Transponder+Hintergrund</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transpond+Alarm</source>
        <translation>Transponder+Alarm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secret</source>
        <translation>Geheim</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/BasicSettings.cpp" line="+55"/>
        <location filename="../settings/DtmfSettings.cpp" line="+83"/>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cycle</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location filename="../settings/DtmfSettings.cpp" line="-29"/>
        <source>Continuous</source>
        <translation>Dauernd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx time (s)</source>
        <translation>Sendezeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx time (s)</source>
        <translation>Empfangszeit (s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>EMI code</source>
        <translation>EMI-Code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EMI code type</source>
        <translation>EMI-Codetyp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remote EMI alarm</source>
        <translation>EMI-Fernalarm</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="-32"/>
        <location line="+17"/>
        <location line="+7"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+2"/>
        <location filename="../settings/AlarmSettings.cpp" line="+1"/>
        <location filename="../settings/BasicSettings.cpp" line="-33"/>
        <location line="+12"/>
        <location line="+1"/>
        <location line="+11"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+5"/>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+33"/>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../settings/DtmfSettings.cpp" line="-4"/>
        <location line="+5"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+146"/>
        <location line="+24"/>
        <location line="+1"/>
        <location line="+13"/>
        <location line="+13"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+34"/>
        <location line="+58"/>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+21"/>
        <location line="+20"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Ctcss Encode</source>
        <translation>CTCSS Senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctcss Codec</source>
        <translation>CTCSS Senden+Empfangen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dcs Codec</source>
        <translation>DCS Senden+Empfangen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Positive</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decode Invert</source>
        <translation>Empfang invertiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encode Invert</source>
        <translation>Senden invertiert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invert</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle 2</source>
        <translation>Mittel 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle 1</source>
        <translation>Mittel 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Allow</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priority</source>
        <translation>Vorrang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+6"/>
        <source>2 Tone</source>
        <translation>2-Ton</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Tone</source>
        <translation>Subton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling &amp; Tone</source>
        <translation>Signalisierung &amp; Subton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signalling | Tone</source>
        <translation>Signalisierung | Subton</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>5 Tone</source>
        <translation>5-Ton</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../settings/AlarmSettings.cpp" line="+0"/>
        <location filename="../settings/BasicSettings.cpp" line="-86"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <location filename="../settings/BasicSettings.cpp" line="+2"/>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left Priority Ch</source>
        <translation>Vorrangkanal links</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Priority Ch</source>
        <translation>Vorrangkanal rechts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SQL(Left)</source>
        <translation>Rauschsperre (links)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto power off(h)</source>
        <translation>Automatisch aus (h)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backlight Brightness</source>
        <translation>Helligkeit der Beleuchtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backlight Color</source>
        <translation>Farbe der Beleuchtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/DtmfSettings.cpp" line="-12"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-38"/>
        <location filename="../settings/TwoToneSettings.cpp" line="-57"/>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <location line="+16"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>PTT lock</source>
        <translation>PTT-Sperre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hyper Channel</source>
        <translation>Hyperkanal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Function Key</source>
        <translation>Rechte Funktionstaste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TBST Frequency(Hz)</source>
        <translation>Tonruf-Frequenz (Hz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ANI Display</source>
        <translation>ANI-Anzeige</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selent mode</source>
        <translation>Stummbetrieb</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="-18"/>
        <location filename="../settings/BasicSettings.cpp" line="+3"/>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location filename="../settings/BasicSettings.cpp" line="+1"/>
        <source>Auto transfer</source>
        <translation>Automatische Übertragung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto contact</source>
        <translation>Automatischer Kontakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect remind</source>
        <translation>Verbindungshinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Always remind</source>
        <translation>Immer hinweisen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto AM</source>
        <translation>Auto-AM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM Function</source>
        <translation>AM-Funktion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span Transit</source>
        <translation>Span-Transit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan mode</source>
        <translation>Suchlaufart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scan resume mode</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span Transit Exit Delay</source>
        <translation>Span-Transit-Austrittsverzögerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SQL(Right)</source>
        <translation>Rauschsperre (rechts)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scarmbler(2600 - 4000Hz)</source>
        <translation>Scrambler (2600 - 4000 Hz)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TOT (min)</source>
        <translation>Sendezeitbegrenzung (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT pre-alert (s)</source>
        <translation>TOT-Vorwarnung (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT rekey (s)</source>
        <translation>TOT-Wiederfreigabe (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT reset (s)</source>
        <translation>TOT-Rücksetzen (s)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SQL.OFF</source>
        <translation>Rauschsperre aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCALL</source>
        <translation>Tonruf</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <location filename="../settings/DtmfCodeTable.cpp" line="-18"/>
        <source>DTMF%1</source>
        <translation>DTMF%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../settings/DtmfSettings.cpp" line="+21"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+22"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Num</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+19"/>
        <location filename="../settings/TwoToneContacts.cpp" line="+2"/>
        <location filename="../settings/TwoToneSettings.cpp" line="-13"/>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <location filename="../settings/DtmfSettings.cpp" line="-35"/>
        <source>DTMF speed(ms)</source>
        <translation>DTMF-Geschwindigkeit (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit delay(ms)</source>
        <translation>Verzögerung erste Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit(ms)</source>
        <translation>Erste Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold time(s)</source>
        <translation>Haltezeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group code</source>
        <translation>Gruppencode</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-141"/>
        <location line="+17"/>
        <source>Delimiter</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+82"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+11"/>
        <source>Side tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+7"/>
        <source>Self ID</source>
        <translation>Eigene ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stun code</source>
        <translation>Betäubungscode</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+2"/>
        <source>Decode response</source>
        <translation>Antwort auf Decodierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-21"/>
        <location line="+38"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+39"/>
        <source>Remind</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-37"/>
        <location line="+37"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+1"/>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-37"/>
        <location line="+37"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+1"/>
        <source>Remind+Reply</source>
        <translation>Hinweis+Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stun type</source>
        <translation>Betäubungsart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Inhibit</source>
        <translation>Senden sperren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx/Tx Inhibit</source>
        <translation>Empfang/Senden sperren</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-2"/>
        <source>Kill</source>
        <translation>Abschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-13"/>
        <source>Auto reset time(s)</source>
        <translation>Automatische Rücksetzzeit (s)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+17"/>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>PTT ID %1</source>
        <translation>PTT-ID %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Type</source>
        <translation> Typ</translation>
    </message>
    <message>
        <location filename="../settings/FiveToneSettings.cpp" line="-121"/>
        <source>Tone %1</source>
        <translation>Ton %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+15"/>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Pre-carreier time(ms)</source>
        <translation>Vorträgerzeit (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First expand(ms)</source>
        <translation>Erste Verlängerung (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End exit delay(ms)</source>
        <translation>Ende-Austrittsverzögerung (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reply delay(ms)</source>
        <translation>Antwortverzögerung (ms)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Begin ID</source>
        <translation>Anfangs-ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End ID</source>
        <translation>End-ID</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stun</source>
        <translation>Betäuben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wake</source>
        <translation>Aufwecken</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+6"/>
        <source>Response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Code type</source>
        <translation>Codeart</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../settings/TwoToneContacts.cpp" line="-2"/>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/TwoToneSettings.cpp" line="-15"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <location filename="../settings/TwoToneSettings.cpp" line="-62"/>
        <source>Long A</source>
        <translation>Lang A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long B</source>
        <translation>Lang B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long C</source>
        <translation>Lang C</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Decode %1 Format</source>
        <translation>Decodierung %1 Format</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Decode %1 Response</source>
        <translation>Decodierung %1 Antwort</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pre-carrier time(s)</source>
        <translation>Vorträgerzeit (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First toen duration (s)</source>
        <translation>Dauer erster Ton (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second tone duration(s)</source>
        <translation>Dauer zweiter Ton (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Long duration(s)</source>
        <translation>Langdauer (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interval(s)</source>
        <translation>Intervall (s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Idle reply</source>
        <translation>Antwort im Ruhezustand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A tone</source>
        <translation>Ton A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B tone</source>
        <translation>Ton B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C tone</source>
        <translation>Ton C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D tone</source>
        <translation>Ton D</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reply wait (s)</source>
        <translation>Antwortwartezeit (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto reset time (s)</source>
        <translation>Automatische Rücksetzzeit (s)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Decode %1</source>
        <translation>Decodierung %1</translation>
    </message>
    <message>
        <location filename="../report/FormCatalog.cpp" line="-9"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modle</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Frequency range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="-18"/>
        <source>Channel setting</source>
        <translation>Kanaleinstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../app/CommandRegistry.cpp" line="+11"/>
        <source>Scan channel</source>
        <translation>Suchlaufkanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Basic setting</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../app/CommandRegistry.cpp" line="+2"/>
        <source>2Tone</source>
        <translation>2-Ton</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>5Tone</source>
        <translation>5-Ton</translation>
    </message>
    <message>
        <location filename="../app/MainMenus.cpp" line="-64"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import channels...</source>
        <translation>Kanäle importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export channels...</source>
        <translation>Kanäle exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export report as PDF...</source>
        <translation>Bericht als PDF exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backups...</source>
        <translation>Sicherungen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Toolbar(&amp;T)</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Status Bar(&amp;S)</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tree View</source>
        <translation>Baumansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+32"/>
        <source>Programming software for a dual-band radio</source>
        <translation>Programmiersoftware für ein Zweiband-Funkgerät</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A data file to open.</source>
        <translation>Eine zu öffnende Datendatei.</translation>
    </message>
</context>
</TS>
