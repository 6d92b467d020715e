<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Duoband</name>
    <message numerus="yes">
        <location filename="../channels/ChannelListImport.cpp" line="+71"/>
        <source>%n channel(s) imported</source>
        <translation>
            <numerusform>%n channel imported</numerusform>
            <numerusform>%n channels imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n line(s) skipped</source>
        <translation>
            <numerusform>%1, %n line skipped</numerusform>
            <numerusform>%1, %n lines skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+110"/>
        <source>%n name(s) shortened to 6 characters</source>
        <translation>
            <numerusform>%n name shortened to 6 characters</numerusform>
            <numerusform>%n names shortened to 6 characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) raised to upper case</source>
        <translation>
            <numerusform>%n name raised to upper case</numerusform>
            <numerusform>%n names raised to upper case</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) changed to the characters a name can hold</source>
        <translation>
            <numerusform>%n name changed to the characters a name can hold</numerusform>
            <numerusform>%n names changed to the characters a name can hold</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableClipboard.cpp" line="+26"/>
        <source>Copied %n channel(s)</source>
        <translation>
            <numerusform>Copied %n channel</numerusform>
            <numerusform>Copied %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <location line="+12"/>
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Paste %n channel</numerusform>
            <numerusform>Paste %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-11"/>
        <location line="+12"/>
        <source>Pasted %n channel(s) at %1</source>
        <translation>
            <numerusform>Pasted %n channel at %1</numerusform>
            <numerusform>Pasted %n channels at %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableFiles.cpp" line="+24"/>
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Exported %n channel to %1</numerusform>
            <numerusform>Exported %n channels to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableOrganize.cpp" line="+40"/>
        <source>Sorted by %1, descending: %n channel(s) moved</source>
        <translation>
            <numerusform>Sorted by %1 (descending): %n channel moved</numerusform>
            <numerusform>Sorted by %1 (descending): %n channels moved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Sorted by %1: %n channel(s) moved</source>
        <translation>
            <numerusform>Sorted by %1: %n channel moved</numerusform>
            <numerusform>Sorted by %1: %n channels moved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>Closed gaps: %n channel(s) moved up</source>
        <translation>
            <numerusform>Closed gaps: %n channel moved up</numerusform>
            <numerusform>Closed gaps: %n channels moved up</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>Set %1 for %n channel(s)</source>
        <translation>
            <numerusform>Set %1 for %n channel</numerusform>
            <numerusform>Set %1 for %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="+78"/>
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Cut %n channel</numerusform>
            <numerusform>Cut %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Delete %n channel</numerusform>
            <numerusform>Delete %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>Insert %n row(s) at %1</source>
        <translation>
            <numerusform>Insert %n row at %1</numerusform>
            <numerusform>Insert %n rows at %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Delete %n row(s) at %1</source>
        <translation>
            <numerusform>Delete %n row at %1</numerusform>
            <numerusform>Delete %n rows at %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../settings/widgets/DtmfView.cpp" line="+136"/>
        <source>Cleared %n entry(s)</source>
        <translation>
            <numerusform>Cleared %n entry</numerusform>
            <numerusform>Cleared %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../report/ReportDiff.cpp" line="+261"/>
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n byte differs</numerusform>
            <numerusform>%n bytes differ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/ReportCommands.cpp" line="+181"/>
        <source>%n difference(s): what %1 holds -&gt; what the open data holds.</source>
        <translation>
            <numerusform>%n difference: what %1 holds -&gt; what the open data holds.</numerusform>
            <numerusform>%n differences: what %1 holds -&gt; what the open data holds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n difference(s) from %1</source>
        <translation>
            <numerusform>%n difference from %1</numerusform>
            <numerusform>%n differences from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/TransferCommands.cpp" line="+38"/>
        <source>There are %n backup(s) of this radio, taking %1 MB.</source>
        <translation>
            <numerusform>There is %n backup of this radio, taking %1 MB.</numerusform>
            <numerusform>There are %n backups of this radio, taking %1 MB.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../cli/CommandBackups.cpp" line="+47"/>
        <source>%n backup(s) in %1</source>
        <translation>
            <numerusform>%n backup in %1</numerusform>
            <numerusform>%n backups in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../cli/CommandOrder.cpp" line="+31"/>
        <source>%n channel(s) moved</source>
        <translation>
            <numerusform>%n channel moved</numerusform>
            <numerusform>%n channels moved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../cli/CommandSim.cpp" line="+64"/>
        <source>Virtual radio stopped after %n session(s).</source>
        <translation>
            <numerusform>Virtual radio stopped after %n session.</numerusform>
            <numerusform>Virtual radio stopped after %n sessions.</numerusform>
        </translation>
    </message>
</context>
</TS>
