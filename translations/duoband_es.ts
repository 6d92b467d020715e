<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cli</name>
    <message>
        <location filename="../cli/main.cpp" line="+19"/>
        <source>write the factory default data file</source>
        <translation>escribir el archivo de datos con los valores de fábrica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>show the radio identity, band limits and channels of a data file</source>
        <translation>mostrar la identidad de la radio, los límites de banda y los canales de un archivo de datos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>read the radio into a new data file (written only after a complete read)</source>
        <translation>leer la radio en un archivo de datos nuevo (escrito solo tras una lectura completa)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>write a data file into the radio (the file is not changed)</source>
        <translation>escribir un archivo de datos en la radio (el archivo no cambia)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>write the channels in use as CSV (standard output by default)</source>
        <translation>escribir los canales en uso como CSV (por defecto en la salida estándar)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>apply the channels of a CSV file to a data file, saved as OUT.dat</source>
        <translation>aplicar los canales de un archivo CSV a un archivo de datos, guardado como OUT.dat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sort the channels by one or two columns (rx, tx, name, power, ...), printing what moved</source>
        <translation>ordenar los canales por una o dos columnas (rx, tx, name, power, ...), mostrando qué se movió</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>close the gaps between the channels in use, keeping their order, printing what moved</source>
        <translation>cerrar los huecos entre los canales en uso, conservando su orden, mostrando qué se movió</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write a readable report of every setting (text to standard output by default)</source>
        <translation>escribir un informe legible de todos los ajustes (texto, por defecto en la salida estándar)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>list every setting and channel that differs between two data files, or between a data file and the radio, and the bytes no form shows (exit 0 equal, 1 different, 2 trouble)</source>
        <translation>listar cada ajuste y canal que difiere entre dos archivos de datos, o entre un archivo de datos y la radio, y los bytes que ningún formulario muestra (salida 0 iguales, 1 distintos, 2 problema)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>list the backups kept of every radio read, newest first, with their paths</source>
        <translation>listar las copias de seguridad de cada radio leída, la más reciente primero, con sus rutas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>list the serial ports</source>
        <translation>listar los puertos serie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>play a radio on a pseudo-terminal; prints its device path, serves until interrupted</source>
        <translation>simular una radio en un pseudoterminal; muestra su ruta de dispositivo y atiende hasta que se interrumpe</translation>
    </message>
</context>
<context>
    <name>Duoband</name>
    <message>
        <location filename="../core/AppConfig.cpp" line="+128"/>
        <source>%1 The software apply for %2 model</source>
        <translation>%1 Este software es para el modelo %2</translation>
    </message>
    <message>
        <location filename="../core/DataFile.cpp" line="+19"/>
        <location filename="../core/WholeFile.cpp" line="+35"/>
        <location filename="../channels/widgets/ChannelTableFiles.cpp" line="+34"/>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a data file: it holds %2 bytes; a data file holds %3 bytes, a bare memory image %4.</source>
        <translation>«%1» no es un archivo de datos: contiene %2 bytes; un archivo de datos contiene %3 bytes, una imagen de memoria sola %4.</translation>
    </message>
    <message>
        <location filename="../core/Tones.cpp" line="+97"/>
        <source>Tone range: %1 - %2Hz</source>
        <translation>Rango de tonos: %1 - %2 Hz</translation>
    </message>
    <message>
        <location filename="../core/WholeFile.cpp" line="+3"/>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+16"/>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../radio/Document.cpp" line="+15"/>
        <location line="+48"/>
        <location filename="../radio/widgets/FrequencyRangeDialog.cpp" line="+31"/>
        <location line="+29"/>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <location filename="../radio/Plausibility.cpp" line="+33"/>
        <source>its band limits are not decimal frequencies</source>
        <translation>sus límites de banda no son frecuencias decimales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channel 1 is empty</source>
        <translation>el canal 1 está vacío</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency of channel %1 is not a decimal number</source>
        <translation>la frecuencia del canal %1 no es un número decimal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its model block is not text</source>
        <translation>su bloque de modelo no es texto</translation>
    </message>
    <message>
        <location filename="../radio/RadioBackups.cpp" line="+90"/>
        <source>Cannot make the backup folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta de copias «%1».</translation>
    </message>
    <message>
        <location filename="../radio/widgets/FrequencyRangeDialog.cpp" line="-30"/>
        <location line="+26"/>
        <source>Input password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+1"/>
        <location filename="../report/ReportSections.cpp" line="+133"/>
        <source>Frequency range</source>
        <translation>Rango de frecuencias</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cell editor</source>
        <translation>Editor de celda</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Password error!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Frequency band is invalid!</source>
        <translation>¡La banda de frecuencias no es válida!</translation>
    </message>
    <message>
        <location filename="../radio/widgets/ModelView.cpp" line="+37"/>
        <source>Modle</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location filename="../link/CloneEngine.cpp" line="+50"/>
        <source>You have no access to this port. Either install the udev rules that come with Duoband (60-duoband-serial.rules in /usr/lib/udev/rules.d, part of its package) and plug the cable in again, or add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>No tiene acceso a este puerto. Instale las reglas udev que acompañan a Duoband (60-duoband-serial.rules en /usr/lib/udev/rules.d, parte de su paquete) y vuelva a conectar el cable, o añada su usuario al grupo propietario del dispositivo (%1), por ejemplo con «sudo usermod -aG %1 $USER», y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Read %1 KiB from %2</source>
        <translation>Leídos %1 KiB de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrote %1 KiB to %2</source>
        <translation>Escritos %1 KiB en %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrong access code</source>
        <translation>Código de acceso incorrecto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read cancelled</source>
        <translation>Lectura cancelada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write cancelled</source>
        <translation>Escritura cancelada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open port fail: %1</source>
        <translation>No se pudo abrir el puerto: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Communication error on %1</source>
        <translation>Error de comunicación en %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Could not send to %1.</source>
        <translation>No se pudo enviar a %1.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The radio on %1 did not answer the wake-up sequence (%2 tries).</source>
        <translation>La radio en %1 no respondió a la secuencia de activación (%2 intentos).</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The radio on %1 did not acknowledge its identification.</source>
        <translation>La radio en %1 no confirmó su identificación.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Block %1 came back with %2 of 128 bytes.</source>
        <translation>El bloque %1 volvió con %2 de 128 bytes.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+25"/>
        <source>Block %1 was not acknowledged.</source>
        <translation>El bloque %1 no fue confirmado.</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Read cancelled.</source>
        <translation>Lectura cancelada.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Write cancelled.</source>
        <translation>Escritura cancelada.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open port fail</source>
        <translation>No se pudo abrir el puerto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The radio is read protected; the access code was not given.</source>
        <translation>La radio está protegida contra lectura; no se dio el código de acceso.</translation>
    </message>
    <message>
        <location filename="../link/Win32SerialLink.cpp" line="+24"/>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <location filename="../link/widgets/AccessCodeDialog.cpp" line="+9"/>
        <location line="+3"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This radio is read protected. Access code:</source>
        <translation>Esta radio está protegida contra lectura. Código de acceso:</translation>
    </message>
    <message>
        <location filename="../link/widgets/CloneProgressDialog.cpp" line="+24"/>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../app/ReportCommands.cpp" line="+233"/>
        <location filename="../cli/CommandClone.cpp" line="+16"/>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../link/widgets/PortDialog.cpp" line="+22"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB id</source>
        <translation>Id. USB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>In use or not accessible</source>
        <translation>En uso o no accesible</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+21"/>
        <source>Device path</source>
        <translation>Ruta del dispositivo</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>/dev/serial/by-id/... or a pseudo-terminal</source>
        <translation>/dev/serial/by-id/... o un pseudoterminal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No serial ports were found.</source>
        <translation>No se encontraron puertos serie.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelBulkEdit.cpp" line="+44"/>
        <source>%1 would not stay with the rest of channel %2</source>
        <translation>%1 no encajaría con el resto del canal %2</translation>
    </message>
    <message>
        <location filename="../channels/ChannelClipboard.cpp" line="+60"/>
        <location filename="../channels/widgets/ChannelTableClipboard.cpp" line="+38"/>
        <source>The clipboard holds no channel rows.</source>
        <translation>El portapapeles no contiene filas de canales.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelCsv.cpp" line="+50"/>
        <source>The file holds no channel list.</source>
        <translation>El archivo no contiene una lista de canales.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelListImport.cpp" line="+50"/>
        <source>the list counts channels from 0: placed at 1-%1</source>
        <translation>la lista cuenta los canales desde 0: colocados en 1-%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>channel %1 is given again on line %2</source>
        <translation>el canal %1 aparece de nuevo en la línea %2</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n channel(s) imported</source>
        <translation>
            <numerusform>%n canal importado</numerusform>
            <numerusform>%n canales importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1, %n line(s) skipped</source>
        <translation>
            <numerusform>%1, %n línea omitida</numerusform>
            <numerusform>%1, %n líneas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Line 1 is not a channel list header: it needs the columns &quot;CH&quot; and &quot;Rx Freq&quot;, or &quot;Location&quot; and &quot;Frequency&quot;.</source>
        <translation>La línea 1 no es la cabecera de una lista de canales: necesita las columnas «CH» y «Rx Freq», o «Location» y «Frequency».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file holds no channel rows.</source>
        <translation>El archivo no contiene filas de canales.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 of %2 columns</source>
        <translation>%1 de %2 columnas</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>channel %1 cleared</source>
        <translation>canal %1 vaciado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>nombre «%1» guardado como «%2»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; skipped</source>
        <translation>; omitida</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n name(s) shortened to 6 characters</source>
        <translation>
            <numerusform>%n nombre acortado a 6 caracteres</numerusform>
            <numerusform>%n nombres acortados a 6 caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) raised to upper case</source>
        <translation>
            <numerusform>%n nombre pasado a mayúsculas</numerusform>
            <numerusform>%n nombres pasados a mayúsculas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n name(s) changed to the characters a name can hold</source>
        <translation>
            <numerusform>%n nombre cambiado a los caracteres que admite un nombre</numerusform>
            <numerusform>%n nombres cambiados a los caracteres que admite un nombre</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../channels/ChannelListRow.cpp" line="+56"/>
        <source>channel %1 is outside 1-800</source>
        <translation>el canal %1 está fuera de 1-800</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a number (%2)</source>
        <translation>%1 no es un número (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MHz lies in no band of the radio</source>
        <translation>%1 MHz no está en ninguna banda de la radio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CTCSS %1 is outside 60.0-260.0 Hz</source>
        <translation>CTCSS %1 está fuera de 60,0-260,0 Hz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DCS %1 is outside 000-777</source>
        <translation>DCS %1 está fuera de 000-777</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a %2 value</source>
        <translation>%1 no es un valor de %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 %2 MHz cannot be stored in channel %3 (it would become %4)</source>
        <translation>%1 %2 MHz no se puede guardar en el canal %3 (se convertiría en %4)</translation>
    </message>
    <message>
        <location filename="../channels/ChannelOrder.cpp" line="+68"/>
        <source>channel 1 stays in a main band: %1 MHz placed first</source>
        <translation>el canal 1 queda en una banda principal: %1 MHz colocado primero</translation>
    </message>
    <message>
        <location filename="../channels/ChannelRows.cpp" line="+59"/>
        <source>No channel to insert at.</source>
        <translation>No hay canal donde insertar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 is in use: inserting would push it past channel %2. Delete a row below first.</source>
        <translation>El canal %1 está en uso: insertar lo empujaría más allá del canal %2. Borre antes una fila de abajo.</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="+158"/>
        <source>%1 MHz lies in no band of this radio: %2</source>
        <translation>%1 MHz no está en ninguna banda de esta radio: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel 1 stays in the 150M or 450M band: %1</source>
        <translation>El canal 1 queda en la banda 150M o 450M: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Channel 1 can never be emptied</source>
        <translation>El canal 1 nunca puede vaciarse</translation>
    </message>
    <message>
        <location filename="../channels/CsvText.cpp" line="+113"/>
        <source>%1: line %2 is longer than %3 KiB; this is not a channel list.</source>
        <translation>%1: la línea %2 supera %3 KiB; esto no es una lista de canales.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is larger than %2 MiB; this is not a channel list.</source>
        <translation>%1 supera %2 MiB; esto no es una lista de canales.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location filename="../channels/InterchangeChannelList.cpp" line="+26"/>
        <source>%1 is not a location</source>
        <translation>%1 no es una posición</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a frequency</source>
        <translation>%1 no es una frecuencia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an offset</source>
        <translation>%1 no es un desplazamiento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 MHz is more than a frequency holds</source>
        <translation>%1 MHz es más de lo que admite una frecuencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>offset %1 MHz is more than a frequency holds</source>
        <translation>desplazamiento de %1 MHz es más de lo que admite una frecuencia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>split Tx %1 MHz is not a frequency</source>
        <translation>Tx separada de %1 MHz no es una frecuencia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Duplex &quot;off&quot; cannot be kept; Tx = Rx</source>
        <translation>Duplex «off» no se puede conservar; Tx = Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a duplex</source>
        <translation>%1 no es un valor de dúplex</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tx %1 MHz lies outside what a frequency holds</source>
        <translation>Tx %1 MHz queda fuera de lo que admite una frecuencia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative offset: Tx %1 MHz</source>
        <translation>desplazamiento negativo: Tx %1 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>mode %1 is not supported</source>
        <translation>el modo %1 no es compatible</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skip %1 is not supported</source>
        <translation>el salto %1 no es compatible</translation>
    </message>
    <message>
        <location filename="../channels/InterchangeValues.cpp" line="+75"/>
        <source>cross mode %1 is not supported</source>
        <translation>el modo cruzado %1 no es compatible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tone mode %1 is not supported</source>
        <translation>el modo de tono %1 no es compatible</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>sends %1 Hz, receives open</source>
        <translation>envía %1 Hz, recibe abierto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>sends DCS %1 and receives on it</source>
        <translation>envía DCS %1 y recibe con él</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>receives open</source>
        <translation>recibe abierto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cross %1</source>
        <translation>Cruzado %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTCS %1/%2</source>
        <translation>DTCS %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 became &quot;%2&quot;%3</source>
        <translation>%1 pasó a ser «%2»%3</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>power %1 is no level of this radio; power kept</source>
        <translation>la potencia %1 no es un nivel de esta radio; se conserva la potencia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>every line gives %1: the channels keep their power levels</source>
        <translation>todas las líneas indican %1: los canales conservan sus niveles de potencia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 as %2</source>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>power in watts: %1</source>
        <translation>potencia en vatios: %1</translation>
    </message>
    <message>
        <location filename="../channels/NativeChannelList.cpp" line="+11"/>
        <source>%1 is not a channel number</source>
        <translation>%1 no es un número de canal</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelEditDialog.cpp" line="+30"/>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+40"/>
        <source>Channel edit</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>Channel number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Next channel</source>
        <translation>Canal siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous channel</source>
        <translation>Canal anterior</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+1"/>
        <location filename="../report/ReportSections.cpp" line="+43"/>
        <source>Channel setting</source>
        <translation>Ajuste de canales</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelFindBar.cpp" line="+13"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name or frequency</source>
        <translation>Nombre o frecuencia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find next (F3)</source>
        <translation>Buscar siguiente (F3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find previous (Shift+F3)</source>
        <translation>Buscar anterior (Mayús+F3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../widgets/CloseButton.cpp" line="+8"/>
        <location filename="../app/BackupsDialog.cpp" line="+81"/>
        <location filename="../app/FormFrame.cpp" line="+15"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the find bar (Escape)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelImportDialog.cpp" line="+36"/>
        <source>At the channels the list names</source>
        <translation>En los canales que indica la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In file order from channel</source>
        <translation>En el orden del archivo desde el canal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import channels - %1</source>
        <translation>Importar canales - %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>First channel</source>
        <translation>Primer canal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of the list</source>
        <translation>Líneas de la lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Place the lines:</source>
        <translation>Colocar las líneas:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/widgets/ChannelSortDialog.cpp" line="+69"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelRecordEditor.cpp" line="+128"/>
        <source>Reverse</source>
        <translation>Inversión</translation>
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
        <translation>(ninguna)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chosen rows (%1)</source>
        <translation>Filas elegidas (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All channels in use</source>
        <translation>Todos los canales en uso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/widgets/ChannelTableOrganize.cpp" line="+45"/>
        <source>Sort channels</source>
        <translation>Ordenar canales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Then by</source>
        <translation>Después por</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sort by:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Then by:</source>
        <translation>Después por:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="+17"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableFiles.cpp" line="-10"/>
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Exportado %n canal a %1</numerusform>
            <numerusform>Exportados %n canales a %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+32"/>
        <location line="+22"/>
        <source>Import channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+32"/>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>These lines were skipped:
%1</source>
        <translation>Se omitieron estas líneas:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Note:
%1</source>
        <translation>Nota:
%1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Import cancelled; nothing changed</source>
        <translation>Importación cancelada; no cambió nada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel table (*.csv)</source>
        <translation>Tabla de canales (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list for other programmers (*.csv)</source>
        <translation>Lista de canales para otros programas (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableOrganize.cpp" line="-10"/>
        <source>The channels are in that order already</source>
        <translation>Los canales ya están en ese orden</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There are no gaps to close</source>
        <translation>No hay huecos que cerrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="+24"/>
        <source>Close gaps</source>
        <translation>Cerrar huecos</translation>
    </message>
    <message numerus="yes">
        <location line="-21"/>
        <source>Sorted by %1, descending: %n channel(s) moved</source>
        <translation>
            <numerusform>Ordenado por %1, descendente: %n canal movido</numerusform>
            <numerusform>Ordenado por %1, descendente: %n canales movidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Sorted by %1: %n channel(s) moved</source>
        <translation>
            <numerusform>Ordenado por %1: %n canal movido</numerusform>
            <numerusform>Ordenado por %1: %n canales movidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>Closed gaps: %n channel(s) moved up</source>
        <translation>
            <numerusform>Huecos cerrados: %n canal subido</numerusform>
            <numerusform>Huecos cerrados: %n canales subidos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete empties channels; an empty Rx Freq is not set for chosen rows</source>
        <translation>Borrar vacía canales; una Rx Freq vacía no se aplica a las filas elegidas</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Set %1 for %n channel(s)</source>
        <translation>
            <numerusform>%1 aplicado a %n canal</numerusform>
            <numerusform>%1 aplicado a %n canales</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; channel %1 kept its %2 (%3)</source>
        <translation>; el canal %1 conservó su %2 (%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Set for chosen rows</source>
        <translation>Aplicar a las filas elegidas</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>channel %1, from the top again</source>
        <translation>canal %1, de nuevo desde arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>channel %1, from the bottom again</source>
        <translation>canal %1, de nuevo desde abajo</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableRowCommands.cpp" line="-22"/>
        <location filename="../report/widgets/DifferencesDialog.cpp" line="+80"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row</source>
        <translation>Borrar fila</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort channels...</source>
        <translation>Ordenar canales...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Cortar %n canal</numerusform>
            <numerusform>Cortar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Borrar %n canal</numerusform>
            <numerusform>Borrar %n canales</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; channel 1 can never be emptied</source>
        <translation>; el canal 1 nunca puede vaciarse</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Insert %n row(s) at %1</source>
        <translation>
            <numerusform>Insertar %n fila en %1</numerusform>
            <numerusform>Insertar %n filas en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Delete %n row(s) at %1</source>
        <translation>
            <numerusform>Borrar %n fila en %1</numerusform>
            <numerusform>Borrar %n filas en %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Choose adjacent rows to move them.</source>
        <translation>Elija filas contiguas para moverlas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel 1 is the first channel.</source>
        <translation>El canal 1 es el primer canal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel 800 is the last channel.</source>
        <translation>El canal 800 es el último canal.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move channel %1 up</source>
        <translation>Subir el canal %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move channel %1 down</source>
        <translation>Bajar el canal %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move channels %1 up</source>
        <translation>Subir los canales %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move channels %1 down</source>
        <translation>Bajar los canales %1</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ChannelTableView.cpp" line="+1"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Frequency editor</source>
        <translation>Editor de frecuencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name editor</source>
        <translation>Editor de nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List editor</source>
        <translation>Editor de lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS editor</source>
        <translation>Editor de CTCSS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DCS editor</source>
        <translation>Editor de DCS</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Import channels...</source>
        <translation>Importar canales...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export channels...</source>
        <translation>Exportar canales...</translation>
    </message>
    <message>
        <location line="+69"/>
        <location line="+24"/>
        <source>Edit channel %1</source>
        <translation>Editar canal %1</translation>
    </message>
    <message>
        <location filename="../channels/widgets/ScanChannelView.cpp" line="+18"/>
        <location filename="../report/ReportSections.cpp" line="+12"/>
        <source>Scan channel</source>
        <translation>Canal de exploración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan channels</source>
        <translation>Canales de exploración</translation>
    </message>
    <message>
        <location filename="../channels/widgets/VfoDialog.cpp" line="+19"/>
        <source>VFO records</source>
        <translation>Registros VFO</translation>
    </message>
    <message>
        <location filename="../settings/AlarmSettings.cpp" line="+38"/>
        <source>DTMF entry %1 is not offered: its Num is empty or begins with 0</source>
        <translation>La entrada DTMF %1 no se ofrece: su número está vacío o empieza por 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF entries %1 are not offered: their Num is empty or begins with 0</source>
        <translation>Las entradas DTMF %1 no se ofrecen: su número está vacío o empieza por 0</translation>
    </message>
    <message>
        <location filename="../settings/DtmfCodeTable.cpp" line="+170"/>
        <source>Entry %1 has no Num: it is not offered as the Alarm&apos;s EMI code</source>
        <translation>La entrada %1 no tiene número: no se ofrece como código EMI de la alarma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry %1 is not offered as the Alarm&apos;s EMI code: its Num %2 begins with 0</source>
        <translation>La entrada %1 no se ofrece como código EMI de la alarma: su número %2 empieza por 0</translation>
    </message>
    <message>
        <location filename="../settings/widgets/AlarmView.cpp" line="+11"/>
        <location filename="../report/ReportSections.cpp" line="+17"/>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <location filename="../settings/widgets/BasicSettingView.cpp" line="+20"/>
        <location filename="../report/ReportSections.cpp" line="-8"/>
        <source>Basic setting</source>
        <translation>Ajustes básicos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location filename="../settings/widgets/DtmfView.cpp" line="+44"/>
        <source>Type editor</source>
        <translation>Editor de tipo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Num editor</source>
        <translation>Editor de número</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../settings/widgets/TwoToneView.cpp" line="+100"/>
        <source>Alias editor</source>
        <translation>Editor de alias</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../report/ReportSections.cpp" line="+15"/>
        <source>DTMF codes</source>
        <translation>Códigos DTMF</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Clear entry</source>
        <translation>Vaciar entrada</translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <source>Cleared %n entry(s)</source>
        <translation>
            <numerusform>%n entrada vaciada</numerusform>
            <numerusform>%n entradas vaciadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; entry 1 can never be emptied</source>
        <translation>; la entrada 1 nunca puede vaciarse</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <location filename="../settings/widgets/FiveToneView.cpp" line="+22"/>
        <location line="+15"/>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Infomation Group</source>
        <translation>Grupo de información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Group</source>
        <translation>Grupo de contactos</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../report/ReportSections.cpp" line="+19"/>
        <source>5Tone</source>
        <translation>5 tonos</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../report/ReportSections.cpp" line="+2"/>
        <source>Infomation</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/widgets/TwoToneView.cpp" line="+16"/>
        <location filename="../report/ReportSections.cpp" line="+2"/>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <location filename="../settings/widgets/TwoToneView.cpp" line="-88"/>
        <source>Systems</source>
        <translation>Sistemas</translation>
    </message>
    <message>
        <location line="+68"/>
        <location filename="../report/ReportSections.cpp" line="-12"/>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tone editor</source>
        <translation>Editor de tono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format editor</source>
        <translation>Editor de formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System editor</source>
        <translation>Editor de sistema</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../report/ReportSections.cpp" line="-6"/>
        <source>2Tone</source>
        <translation>2 tonos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location filename="../report/PageLayout.cpp" line="+23"/>
        <source>-- Page %1 of %2 --</source>
        <translation>-- Página %1 de %2 --</translation>
    </message>
    <message>
        <location filename="../report/Report.cpp" line="-39"/>
        <source>(not in use)</source>
        <translation>(sin usar)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date</source>
        <translation>Última fecha de programación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printed</source>
        <translation>Impreso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duoband %1</source>
        <translation>Duoband %1</translation>
    </message>
    <message>
        <location filename="../report/ReportDiff.cpp" line="-2"/>
        <source>%1 moved to %2</source>
        <translation>%1 movido a %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PC block 0x</source>
        <translation>Bloque de PC 0x</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n byte difiere</numerusform>
            <numerusform>%n bytes difieren</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the forms (first at %2)</source>
        <translation>%1 fuera de los formularios (el primero en %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 where the forms show the same (first at %2)</source>
        <translation>%1 donde los formularios muestran lo mismo (el primero en %2)</translation>
    </message>
    <message>
        <location filename="../report/ReportSections.cpp" line="-88"/>
        <location filename="../app/BackupsDialog.cpp" line="-40"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+2"/>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel details</source>
        <translation>Detalles de canal</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>System %1</source>
        <translation>Sistema %1</translation>
    </message>
    <message>
        <location filename="../settings/widgets/FiveToneView.cpp" line="-8"/>
        <location filename="../report/ReportSections.cpp" line="+12"/>
        <location line="+2"/>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../report/pages/ReportPages.cpp" line="+20"/>
        <source> (continued)</source>
        <translation> (continuación)</translation>
    </message>
    <message>
        <location line="+318"/>
        <source>Cannot make the report of %1</source>
        <translation>No se puede crear el informe de %1</translation>
    </message>
    <message>
        <location filename="../report/widgets/DifferencesDialog.cpp" line="-58"/>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>moved to</source>
        <translation>movido a</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bytes no form shows</source>
        <translation>Bytes que ningún formulario muestra</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Save differences</source>
        <translation>Guardar diferencias</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Texto (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../report/widgets/ReportPreview.cpp" line="+12"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../help/widgets/HelpWindow.cpp" line="+43"/>
        <source>Duoband Help</source>
        <translation>Ayuda de Duoband</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Index entry</source>
        <translation>Entrada del índice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Search words</source>
        <translation>Palabras de búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words to find</source>
        <translation>Palabras a buscar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>No topic has these words.</source>
        <translation>Ningún tema contiene estas palabras.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Duoband Help - %1</source>
        <translation>Ayuda de Duoband - %1</translation>
    </message>
    <message>
        <location filename="../app/BackupsDialog.cpp" line="-3"/>
        <location line="+6"/>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Read on</source>
        <translation>Leída el</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels in use</source>
        <translation>Canales en uso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Differences from the open data</source>
        <translation>Diferencias con los datos abiertos</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No radio has been read yet. Every read is kept in %1.</source>
        <translation>Aún no se ha leído ninguna radio. Cada lectura se guarda en %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The backups are plain data files in %1; removing one there removes it from this list.</source>
        <translation>Las copias son archivos de datos normales en %1; al quitar uno de allí desaparece de esta lista.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <location filename="../app/FileCommands.cpp" line="+98"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="-74"/>
        <location filename="../app/ReportCommands.cpp" line="-72"/>
        <source>Param Files (*.dat)</source>
        <translation>Archivos de parámetros (*.dat)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sorry, error not find.</source>
        <translation>Lo siento, error no encontrado.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Warnning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all data! 
continue?</source>
        <translation>¡Borrar todos los datos! 
¿Continuar?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New data from the factory default</source>
        <translation>Datos nuevos con los valores de fábrica</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+59"/>
        <source>Open anyway?</source>
        <translation>¿Abrir de todos modos?</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Opened %1</source>
        <translation>Abierto %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>backup of %1, %2</source>
        <translation>copia de %1, %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opened the backup %1; Save As keeps it in a file of its own</source>
        <translation>Abierta la copia %1; Guardar como la conserva en un archivo propio</translation>
    </message>
    <message>
        <location filename="../app/FormFrame.cpp" line="-1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../app/FormWindows.cpp" line="+206"/>
        <source>Cascade</source>
        <translation>Cascada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <location filename="../app/HistoryCommands.cpp" line="+28"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Nothing changed in %1</source>
        <translation>Nada cambió en %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <location filename="../app/MainMenus.cpp" line="+133"/>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="+118"/>
        <source>Freq</source>
        <translation>Frec</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+11"/>
        <source>Tree Bar</source>
        <translation>Barra de árbol</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Store all</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>This file does not look like data for this radio (%1). %2</source>
        <translation>Este archivo no parece contener datos para esta radio (%1). %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The language could not be kept in %1.</source>
        <translation>No se pudo guardar el idioma en %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new language is used from the next start of the program.</source>
        <translation>El nuevo idioma se usa a partir del próximo inicio del programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
Version %1</source>
        <translation>
Versión %1</translation>
    </message>
    <message>
        <location filename="../app/ReportCommands.cpp" line="-93"/>
        <source>Printed %1</source>
        <translation>Impreso %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printing %1 failed</source>
        <translation>Falló la impresión de %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Pages: %1, %2</source>
        <translation>Páginas: %1, %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Export report as PDF</source>
        <translation>Exportar informe como PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Report written to %1</source>
        <translation>Informe escrito en %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+13"/>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Compare the open data with a data file or with the radio?</source>
        <translation>¿Comparar los datos abiertos con un archivo de datos o con la radio?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A file...</source>
        <translation>Un archivo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The radio</source>
        <translation>La radio</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Compare with %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The open data and %1 do not differ.</source>
        <translation>Los datos abiertos y %1 no difieren.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n difference(s): what %1 holds -&gt; what the open data holds.</source>
        <translation>
            <numerusform>%n diferencia: lo que contiene %1 -&gt; lo que contienen los datos abiertos.</numerusform>
            <numerusform>%n diferencias: lo que contiene %1 -&gt; lo que contienen los datos abiertos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n difference(s) from %1</source>
        <translation>
            <numerusform>%n diferencia con %1</numerusform>
            <numerusform>%n diferencias con %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-1"/>
        <source>No differences from %1</source>
        <translation>No hay diferencias con %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the radio</source>
        <translation>la radio</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nothing was read from the radio since the program started, so what it holds now is not known. The Write sends every setting and channel of the open data.</source>
        <translation>No se ha leído nada de la radio desde que se inició el programa, así que no se sabe qué contiene ahora. La escritura envía todos los ajustes y canales de los datos abiertos.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio holds this data already, as last read from it. The Write sends it again with today&apos;s date.</source>
        <translation>La radio ya contiene estos datos, tal como se leyeron por última vez. La escritura los envía de nuevo con la fecha de hoy.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Write changes these in the radio: what it holds -&gt; what it will hold.</source>
        <translation>La escritura cambia esto en la radio: lo que contiene -&gt; lo que contendrá.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read a backup first</source>
        <translation>Leer antes una copia</translation>
    </message>
    <message>
        <location filename="../app/TransferCommands.cpp" line="+29"/>
        <source>The read succeeded, but no backup of it could be kept.
%1</source>
        <translation>La lectura fue correcta, pero no se pudo guardar ninguna copia.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; no backup kept</source>
        <translation>; no se guardó copia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the newest backup holds the same</source>
        <translation>; la copia más reciente contiene lo mismo</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>There are %n backup(s) of this radio, taking %1 MB.</source>
        <translation>
            <numerusform>Hay %n copia de esta radio, que ocupa %1 MB.</numerusform>
            <numerusform>Hay %n copias de esta radio, que ocupan %1 MB.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove the oldest, keeping the newest %1?</source>
        <translation>¿Quitar las más antiguas y conservar las %1 más recientes?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; backup kept: %1</source>
        <translation>; copia guardada: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read from radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Write anyway?</source>
        <translation>¿Escribir de todos modos?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backup of this radio: %1</source>
        <translation>Copia de esta radio: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no backup of this radio: what it holds now is lost unless it is read first.</source>
        <translation>No hay copia de esta radio: lo que contiene ahora se perderá si no se lee primero.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Programming date</source>
        <translation>Fecha de programación</translation>
    </message>
    <message>
        <location filename="../cli/CliFiles.cpp" line="+36"/>
        <source>duoband-cli: cannot write to standard output: </source>
        <translation>duoband-cli: no se puede escribir en la salida estándar: </translation>
    </message>
    <message>
        <location filename="../cli/CommandBackups.cpp" line="+27"/>
        <source>duoband-cli: warning: no backup kept: </source>
        <translation>duoband-cli: aviso: no se guardó copia: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup kept: </source>
        <translation>Copia guardada: </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Only the radio with this serial number.</source>
        <translation>Solo la radio con este número de serie.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no files are given</source>
        <translation>no se indicaron archivos</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n backup(s) in %1</source>
        <translation>
            <numerusform>%n copia en %1</numerusform>
            <numerusform>%n copias en %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../cli/CommandClone.cpp" line="+0"/>
        <source>Read </source>
        <translation>Leer     </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio is read protected. Access code: </source>
        <translation>La radio está protegida contra lectura. Código de acceso: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the radio is read protected: give its access code with --code</source>
        <translation>la radio está protegida contra lectura: indique su código de acceso con --code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong access code: the radio is read protected</source>
        <translation>código de acceso incorrecto: la radio está protegida contra lectura</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The serial port, or any device path.</source>
        <translation>El puerto serie, o cualquier ruta de dispositivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The access code of a read protected radio (asked for when missing).</source>
        <translation>El código de acceso de una radio protegida contra lectura (se pide si falta).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../cli/CommandCsv.cpp" line="+40"/>
        <location filename="../cli/CommandNew.cpp" line="+10"/>
        <location filename="../cli/CommandOrder.cpp" line="+39"/>
        <location line="+49"/>
        <source>The data file to write.</source>
        <translation>El archivo de datos a escribir.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../cli/CommandCsv.cpp" line="+12"/>
        <location filename="../cli/CommandNew.cpp" line="+5"/>
        <location filename="../cli/CommandOrder.cpp" line="-27"/>
        <location line="+36"/>
        <source>the output file is missing</source>
        <translation>falta el archivo de salida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>give --port and -o</source>
        <translation>indique --port y -o</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file to send.</source>
        <translation>El archivo de datos a enviar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>give --port and one data file</source>
        <translation>indique --port y un archivo de datos</translation>
    </message>
    <message>
        <location filename="../cli/CommandCsv.cpp" line="-40"/>
        <source>The CSV file to write (standard output by default).</source>
        <translation>El archivo CSV a escribir (por defecto la salida estándar).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>native (the channel table&apos;s columns, the default) or interchange.</source>
        <translation>native (las columnas de la tabla de canales, por defecto) o interchange.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+29"/>
        <location filename="../cli/CommandInfo.cpp" line="+7"/>
        <location filename="../cli/CommandOrder.cpp" line="-43"/>
        <location line="+36"/>
        <location filename="../cli/CommandReport.cpp" line="+22"/>
        <source>The data file.</source>
        <translation>El archivo de datos.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>--format is native or interchange</source>
        <translation>--format es native o interchange</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../cli/CommandOrder.cpp" line="-31"/>
        <location line="+36"/>
        <location filename="../cli/CommandReport.cpp" line="+5"/>
        <source>give one data file</source>
        <translation>indique un archivo de datos</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Place the lines in file order from channel N, gaps closed (by default each line goes to the channel it names).</source>
        <translation>Colocar las líneas en el orden del archivo desde el canal N, sin huecos (por defecto cada línea va al canal que indica).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The channel list.</source>
        <translation>La lista de canales.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give a data file and a CSV file</source>
        <translation>indique un archivo de datos y un archivo CSV</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--at takes a channel from 1 to 800</source>
        <translation>--at admite un canal de 1 a 800</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>duoband-cli: cannot open &quot;</source>
        <translation>duoband-cli: no se puede abrir: &quot;</translation>
    </message>
    <message>
        <location filename="../cli/CommandInfo.cpp" line="-28"/>
        <source>Band limits (MHz):
</source>
        <translation>Límites de banda (MHz):
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In radio</source>
        <translation>En la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx lower</source>
        <translation>Rx inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx upper</source>
        <translation>Rx superior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx lower</source>
        <translation>Tx inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx upper</source>
        <translation>Tx superior</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main bands:        </source>
        <translation>Bandas principales:  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default band:      </source>
        <translation>Banda por defecto:   </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>give exactly one data file</source>
        <translation>indique exactamente un archivo de datos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>File:              </source>
        <translation>Archivo:             </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial number:     </source>
        <translation>Número de serie:     </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model name:        </source>
        <translation>Nombre de modelo:    </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model code:        </source>
        <translation>Código de modelo:    </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version:  </source>
        <translation>Versión de firmware: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date: </source>
        <translation>Última programación: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(never)</source>
        <translation>(nunca)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channels in use:   </source>
        <translation>Canales en uso:      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> of 800 (bank B: </source>
        <translation> de 800 (banco B: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> of 800)
</source>
        <translation> de 800)
</translation>
    </message>
    <message>
        <location filename="../cli/CommandNew.cpp" line="+3"/>
        <location filename="../cli/CommandSim.cpp" line="+28"/>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inesperado «%1»</translation>
    </message>
    <message numerus="yes">
        <location filename="../cli/CommandOrder.cpp" line="-64"/>
        <source>%n channel(s) moved</source>
        <translation>
            <numerusform>%n canal movido</numerusform>
            <numerusform>%n canales movidos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>One or two keys, the second for equal first keys: %1.</source>
        <translation>Una o dos claves, la segunda para primeras claves iguales: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highest first.</source>
        <translation>Primero el mayor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort the channels A to B among themselves (empty ones stay); all channels in use by default, empty ones to the end.</source>
        <translation>Ordenar los canales A a B entre sí (los vacíos se quedan); por defecto todos los canales en uso, los vacíos al final.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no sort key &quot;%1&quot;</source>
        <translation>no existe la clave de orden «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--by takes one or two keys</source>
        <translation>--by admite una o dos claves</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--range is A-B within 1-800</source>
        <translation>--range es A-B dentro de 1-800</translation>
    </message>
    <message>
        <location filename="../cli/CommandPorts.cpp" line="+12"/>
        <source>takes no arguments</source>
        <translation>no admite argumentos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No serial ports found. A port can still be given by its path, for example one made by &quot;duoband-cli sim&quot;.
</source>
        <translation>No se encontraron puertos serie. Aun así se puede indicar un puerto por su ruta, por ejemplo uno creado por «duoband-cli sim».
</translation>
    </message>
    <message>
        <location filename="../cli/CommandReport.cpp" line="-11"/>
        <source>The report to write (text to standard output by default).</source>
        <translation>El informe a escribir (texto, por defecto en la salida estándar).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>text or pdf (by default pdf for an output file ending in .pdf).</source>
        <translation>text o pdf (por defecto pdf para un archivo de salida terminado en .pdf).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--format is text or pdf</source>
        <translation>--format es text o pdf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a PDF report needs an output file (-o)</source>
        <translation>un informe PDF necesita un archivo de salida (-o)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>duoband-cli: cannot draw the report&apos;s pages
</source>
        <translation>duoband-cli: no se pueden dibujar las páginas del informe
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The data file before.</source>
        <translation>El archivo de datos de antes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The data file after (with --port: the radio).</source>
        <translation>El archivo de datos de después (con --port: la radio).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>give two data files, or one and --port</source>
        <translation>indique dos archivos de datos, o uno y --port</translation>
    </message>
    <message>
        <location filename="../cli/CommandSim.cpp" line="-12"/>
        <source>The data file whose memory the radio holds (the factory default otherwise).</source>
        <translation>El archivo de datos cuya memoria contiene la radio (si no, los valores de fábrica).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Be read protected: ask for the access code.</source>
        <translation>Estar protegida contra lectura: pedir el código de acceso.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Answer as slowly as a real 38,400-baud line.</source>
        <translation>Responder tan despacio como una línea real de 38.400 baudios.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Never answer.</source>
        <translation>No responder nunca.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Virtual radio on </source>
        <translation>Radio virtual en </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Virtual radio stopped after %n session(s).</source>
        <translation>
            <numerusform>Radio virtual detenida tras %n sesión.</numerusform>
            <numerusform>Radio virtual detenida tras %n sesiones.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+8"/>
        <source>Usage: duoband-cli COMMAND [ARGS]</source>
        <translation>Uso: duoband-cli ORDEN [ARGUMENTOS]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Options:
  --help     show this text (after a command: that command&apos;s)
  --version  show the version

Exit codes: 0 success, 1 failure, 2 usage error.
</source>
        <translation>Opciones:
  --help     mostrar este texto (tras una orden: el de la orden)
  --version  mostrar la versión

Códigos de salida: 0 éxito, 1 fallo, 2 error de uso.
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Usage: duoband-cli %1 %2</source>
        <translation>Uso: duoband-cli %1 %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>duoband-cli: unknown command &quot;%1&quot; (see duoband-cli --help)</source>
        <translation>duoband-cli: orden desconocida «%1» (vea duoband-cli --help)</translation>
    </message>
    <message numerus="yes">
        <location filename="../channels/widgets/ChannelTableClipboard.cpp" line="-12"/>
        <source>Copied %n channel(s)</source>
        <translation>
            <numerusform>Copiado %n canal</numerusform>
            <numerusform>Copiados %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <location line="+12"/>
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Pegar %n canal</numerusform>
            <numerusform>Pegar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-11"/>
        <location line="+12"/>
        <source>Pasted %n channel(s) at %1</source>
        <translation>
            <numerusform>Pegado %n canal en %1</numerusform>
            <numerusform>Pegados %n canales en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../core/Language.cpp" line="+30"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Radio</name>
    <message>
        <location filename="../radio/BandLimitEditing.cpp" line="+26"/>
        <location filename="../settings/DtmfCodeTable.cpp" line="-133"/>
        <location filename="../settings/TwoToneContacts.cpp" line="+34"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Lower</source>
        <translation>Rx inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx Upper</source>
        <translation>Rx superior</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Lower</source>
        <translation>Tx inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Upper</source>
        <translation>Tx superior</translation>
    </message>
    <message>
        <location filename="../radio/RadioIdentity.cpp" line="+63"/>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Model name</source>
        <translation>Nombre de modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model code</source>
        <translation>Código de modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last program date</source>
        <translation>Última fecha de programación</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="-126"/>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DCS Polarity</source>
        <translation>Polaridad DCS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="+124"/>
        <location line="+44"/>
        <source>Scan</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <location filename="../channels/RecordFields.cpp" line="-45"/>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="+36"/>
        <location filename="../channels/ChannelTable.cpp" line="-20"/>
        <source>Signaling</source>
        <translation>Señalización</translation>
    </message>
    <message>
        <location line="-6"/>
        <location filename="../channels/ChannelTable.cpp" line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="-10"/>
        <location line="+53"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+212"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../channels/ChannelTable.cpp" line="-10"/>
        <source>Rx Freq</source>
        <translation>Frec. Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Freq</source>
        <translation>Frec. Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decode Type</source>
        <translation>Tipo de decodificación</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receive frequency (MHz)</source>
        <translation>Frecuencia de recepción (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit frequency (MHz)</source>
        <translation>Frecuencia de transmisión (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Which tones the channel sends and decodes</source>
        <translation>Qué tonos envía y decodifica el canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone (Hz)</source>
        <translation>Subtono CTCSS (Hz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="-51"/>
        <source>DCS code</source>
        <translation>Código DCS</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../channels/RecordFields.cpp" line="+1"/>
        <source>DCS polarity</source>
        <translation>Polaridad DCS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit power</source>
        <translation>Potencia de transmisión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan: allowed, skipped or priority</source>
        <translation>Exploración: permitida, omitida o prioritaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../channels/RecordFields.cpp" line="+2"/>
        <source>Option signaling</source>
        <translation>Señalización opcional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel name (up to 6 characters)</source>
        <translation>Nombre del canal (hasta 6 caracteres)</translation>
    </message>
    <message>
        <location filename="../channels/RecordFields.cpp" line="-7"/>
        <location line="+35"/>
        <source>Rx frequency(MHz)</source>
        <translation>Frecuencia Rx (MHz)</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Tx frequency(MHz)</source>
        <translation>Frecuencia Tx (MHz)</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>CTCSS tone</source>
        <translation>Subtono CTCSS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Decode type</source>
        <translation>Tipo de decodificación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siganling decode</source>
        <translation>Decodificación de señalización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SQL mode</source>
        <translation>Modo de silenciador</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Tx stop</source>
        <translation>Bloqueo de Tx</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Tx power</source>
        <translation>Potencia de Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <source>Busy lock</source>
        <translation>Bloqueo por ocupado</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+42"/>
        <source>Display type</source>
        <translation>Tipo de pantalla</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Frequency step</source>
        <translation>Paso de frecuencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <source>Offset direction</source>
        <translation>Sentido del desplazamiento</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+34"/>
        <source>Offset freq(MHz)</source>
        <translation>Desplazamiento (MHz)</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+39"/>
        <source>Reverse backup</source>
        <translation>Copia de inversión</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Emphasis</source>
        <translation>Énfasis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrambler</source>
        <translation>Codificador de voz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk around</source>
        <translation>Conversación directa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beat shift</source>
        <translation>Desplazamiento de batido</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rx frequency (MHz)</source>
        <translation>Frecuencia Rx (MHz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency (MHz)</source>
        <translation>Frecuencia Tx (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy lcok</source>
        <translation>Bloqueo por ocupado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deocde type</source>
        <translation>Tipo de decodificación</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="+17"/>
        <location filename="../settings/AlarmSettings.cpp" line="-17"/>
        <location line="+40"/>
        <location filename="../settings/DtmfCodeTable.cpp" line="+6"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-187"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location filename="../settings/AlarmSettings.cpp" line="-15"/>
        <source>Alarm type</source>
        <translation>Tipo de alarma</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../report/FormCatalog.cpp" line="+25"/>
        <location filename="../app/CommandRegistry.cpp" line="+87"/>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transpond+Background</source>
        <translation>Transpondedor+Fondo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transpond+Alarm</source>
        <translation>Transpondedor+Alarma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secret</source>
        <translation>Secreta</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/BasicSettings.cpp" line="+55"/>
        <location filename="../settings/DtmfSettings.cpp" line="+83"/>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cycle</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location filename="../settings/DtmfSettings.cpp" line="-29"/>
        <source>Continuous</source>
        <translation>Continua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx time (s)</source>
        <translation>Tiempo de Tx (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx time (s)</source>
        <translation>Tiempo de Rx (s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>EMI code</source>
        <translation>Código EMI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EMI code type</source>
        <translation>Tipo de código EMI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remote EMI alarm</source>
        <translation>Alarma EMI remota</translation>
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
        <translation>Apagado</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Ctcss Encode</source>
        <translation>CTCSS solo Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctcss Codec</source>
        <translation>CTCSS Tx+Rx</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dcs Codec</source>
        <translation>DCS Tx+Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Positive</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decode Invert</source>
        <translation>Rx invertida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encode Invert</source>
        <translation>Tx invertida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invert</source>
        <translation>Invertida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle 2</source>
        <translation>Media 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle 1</source>
        <translation>Media 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+6"/>
        <source>2 Tone</source>
        <translation>2 tonos</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Tone</source>
        <translation>Subtono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling &amp; Tone</source>
        <translation>Señalización &amp; Subtono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signalling | Tone</source>
        <translation>Señalización | Subtono</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>5 Tone</source>
        <translation>5 tonos</translation>
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
        <translation>Encendido</translation>
    </message>
    <message>
        <location filename="../settings/BasicSettings.cpp" line="+2"/>
        <source>Full</source>
        <translation>Completo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left Priority Ch</source>
        <translation>Canal prioritario izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Priority Ch</source>
        <translation>Canal prioritario derecho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SQL(Left)</source>
        <translation>Silenciador (izquierdo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto power off(h)</source>
        <translation>Apagado automático (h)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backlight Brightness</source>
        <translation>Brillo de la retroiluminación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backlight Color</source>
        <translation>Color de la retroiluminación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/DtmfSettings.cpp" line="-12"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-38"/>
        <location filename="../settings/TwoToneSettings.cpp" line="-57"/>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key lock</source>
        <translation>Bloqueo de teclas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <location line="+16"/>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>PTT lock</source>
        <translation>Bloqueo de PTT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hyper Channel</source>
        <translation>Hipercanal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Function Key</source>
        <translation>Tecla de función derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key1</source>
        <translation>Tecla 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key2</source>
        <translation>Tecla 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TBST Frequency(Hz)</source>
        <translation>Frecuencia de tono de llamada (Hz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ANI Display</source>
        <translation>Mostrar ANI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selent mode</source>
        <translation>Modo silencioso</translation>
    </message>
    <message>
        <location filename="../core/OptionTables.cpp" line="-18"/>
        <location filename="../settings/BasicSettings.cpp" line="+3"/>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <location filename="../settings/BasicSettings.cpp" line="+1"/>
        <source>Auto transfer</source>
        <translation>Transferencia automática</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto contact</source>
        <translation>Contacto automático</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect remind</source>
        <translation>Aviso de conexión</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Always remind</source>
        <translation>Avisar siempre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto AM</source>
        <translation>AM automática</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AM Function</source>
        <translation>Función AM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span Transit</source>
        <translation>Tránsito de tramo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan mode</source>
        <translation>Modo de exploración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scan resume mode</source>
        <translation>Modo de reanudación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span Transit Exit Delay</source>
        <translation>Retardo de salida del tránsito</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SQL(Right)</source>
        <translation>Silenciador (derecho)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scarmbler(2600 - 4000Hz)</source>
        <translation>Codificador de voz (2600 - 4000 Hz)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TOT (min)</source>
        <translation>Límite de transmisión (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT pre-alert (s)</source>
        <translation>Preaviso de TOT (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT rekey (s)</source>
        <translation>Rearme de TOT (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOT reset (s)</source>
        <translation>Reinicio de TOT (s)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SQL.OFF</source>
        <translation>Silenciador apagado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCALL</source>
        <translation>Llamada por tono</translation>
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
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Num</source>
        <translation>Número</translation>
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
        <translation>Velocidad DTMF (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit delay(ms)</source>
        <translation>Retardo del primer dígito (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First digit(ms)</source>
        <translation>Primer dígito (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold time(s)</source>
        <translation>Tiempo de espera (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group code</source>
        <translation>Código de grupo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-141"/>
        <location line="+17"/>
        <source>Delimiter</source>
        <translation>Separador</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+82"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+11"/>
        <source>Side tone</source>
        <translation>Tono lateral</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+7"/>
        <source>Self ID</source>
        <translation>ID propio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stun code</source>
        <translation>Código de aturdimiento</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../settings/FiveToneSettings.cpp" line="+2"/>
        <source>Decode response</source>
        <translation>Respuesta a la decodificación</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-21"/>
        <location line="+38"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+39"/>
        <source>Remind</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-37"/>
        <location line="+37"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+1"/>
        <source>Reply</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-37"/>
        <location line="+37"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+1"/>
        <source>Remind+Reply</source>
        <translation>Aviso+Respuesta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stun type</source>
        <translation>Tipo de aturdimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Inhibit</source>
        <translation>Inhibir Tx</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx/Tx Inhibit</source>
        <translation>Inhibir Rx/Tx</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-2"/>
        <source>Kill</source>
        <translation>Anular</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/FiveToneSettings.cpp" line="-13"/>
        <source>Auto reset time(s)</source>
        <translation>Tiempo de reinicio automático (s)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+17"/>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>PTT ID %1</source>
        <translation>PTT ID %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Type</source>
        <translation> Tipo</translation>
    </message>
    <message>
        <location filename="../settings/FiveToneSettings.cpp" line="-121"/>
        <source>Tone %1</source>
        <translation>Tono %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+15"/>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Pre-carreier time(ms)</source>
        <translation>Tiempo de preportadora (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First expand(ms)</source>
        <translation>Primera extensión (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End exit delay(ms)</source>
        <translation>Retardo de salida final (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reply delay(ms)</source>
        <translation>Retardo de respuesta (ms)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Begin ID</source>
        <translation>ID inicial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End ID</source>
        <translation>ID final</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select</source>
        <translation>Selección</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stun</source>
        <translation>Aturdir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wake</source>
        <translation>Despertar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../settings/TwoToneSettings.cpp" line="+6"/>
        <source>Response</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Code type</source>
        <translation>Tipo de código</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <location filename="../settings/TwoToneContacts.cpp" line="-2"/>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/TwoToneSettings.cpp" line="-15"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Single</source>
        <translation>Uno</translation>
    </message>
    <message>
        <location filename="../settings/TwoToneSettings.cpp" line="-62"/>
        <source>Long A</source>
        <translation>Largo A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long B</source>
        <translation>Largo B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Long C</source>
        <translation>Largo C</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Decode %1 Format</source>
        <translation>Decodificación %1 Formato</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Decode %1 Response</source>
        <translation>Decodificación %1 Respuesta</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pre-carrier time(s)</source>
        <translation>Tiempo de preportadora (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First toen duration (s)</source>
        <translation>Duración del primer tono (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second tone duration(s)</source>
        <translation>Duración del segundo tono (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Long duration(s)</source>
        <translation>Duración larga (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interval(s)</source>
        <translation>Intervalo (s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Idle reply</source>
        <translation>Respuesta en reposo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A tone</source>
        <translation>Tono A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B tone</source>
        <translation>Tono B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C tone</source>
        <translation>Tono C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D tone</source>
        <translation>Tono D</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reply wait (s)</source>
        <translation>Espera de respuesta (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto reset time (s)</source>
        <translation>Tiempo de reinicio automático (s)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Decode %1</source>
        <translation>Decodificación %1</translation>
    </message>
    <message>
        <location filename="../report/FormCatalog.cpp" line="-9"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modle</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Frequency range</source>
        <translation>Rango de frecuencias</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="-18"/>
        <source>Channel setting</source>
        <translation>Ajuste de canales</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../app/CommandRegistry.cpp" line="+11"/>
        <source>Scan channel</source>
        <translation>Canal de exploración</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>Basic setting</source>
        <translation>Ajustes básicos</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../app/CommandRegistry.cpp" line="+2"/>
        <source>2Tone</source>
        <translation>2 tonos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../app/CommandRegistry.cpp" line="+1"/>
        <source>5Tone</source>
        <translation>5 tonos</translation>
    </message>
    <message>
        <location filename="../app/MainMenus.cpp" line="-64"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Program</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Setting</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open(&amp;O)...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As(&amp;A)...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import channels...</source>
        <translation>Importar canales...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export channels...</source>
        <translation>Exportar canales...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export report as PDF...</source>
        <translation>Exportar informe como PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backups...</source>
        <translation>Copias de seguridad...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Toolbar(&amp;T)</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Status Bar(&amp;S)</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tree View</source>
        <translation>Vista de árbol</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+32"/>
        <source>Programming software for a dual-band radio</source>
        <translation>Software de programación para una radio de doble banda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A data file to open.</source>
        <translation>Un archivo de datos para abrir.</translation>
    </message>
</context>
</TS>
