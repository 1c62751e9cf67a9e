<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AbortFailMenu</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Abort / Fail Menu</source>
        <translation>Test interrotto / non superato</translation>
    </message>
    <message>
        <source>Restart Test</source>
        <translation>Ripeti test</translation>
    </message>
    <message>
        <source>Restart Protocol</source>
        <translation>Ripeti protocollo</translation>
    </message>
    <message>
        <source>Next Test</source>
        <translation>Test successivo</translation>
    </message>
    <message>
        <source>End Protocol</source>
        <translation>Termina protocollo</translation>
    </message>
    <message>
        <source>Abort Protocol</source>
        <translation>Interrompi protocollo</translation>
    </message>
    <message>
        <source>Restart
Test</source>
        <translation>Ripeti
test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Next
Test</source>
        <translation>Test
succ.</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>End
Protocol</source>
        <translation>Termina
protocollo</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Abort
Protocol</source>
        <translation>Interrompi
protocollo</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AboutBluetoothScreen</name>
    <message>
        <source>BlueTooth Details</source>
        <translation>Dettagli Bluetooth</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AboutCalibrationScreen</name>
    <message>
        <source>Calibration Details</source>
        <translation>Dati di calibrazione</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Cal Date</source>
        <translation>Data calibrazione</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Guasto</translation>
    </message>
</context>
<context>
    <name>AboutContactScreen</name>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>For service /  calibration requirements, please contact us using the details below.</source>
        <translation>Per assistenza o calibrazione, contattateci ai recapiti indicati di seguito.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AboutDetailsScreen</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Firmware Ver.</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Hardware Ver.</source>
        <translation>Versione hardware</translation>
    </message>
    <message>
        <source>Serial no.</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Guasto</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n.d.</translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pexon Kovinta Infusion Pump Analyser</source>
        <translation>Analizzatore di pompe per infusione Pexon Kovinta</translation>
    </message>
</context>
<context>
    <name>AboutScreenBase</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>The channel details could not be saved.</source>
        <translation>Impossibile salvare i dati dei canali.</translation>
    </message>
</context>
<context>
    <name>AutoFlowSettings</name>
    <message>
        <source>Flow Test Setup</source>
        <translation>Impostazioni test portata</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Contropressione:</translation>
    </message>
    <message>
        <source> mmHg</source>
        <translation> mmHg</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Finestra campion.:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Tipo limite:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limite:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Sup.:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Inf.:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AutoModeAssetDetails</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Dati dispositivo</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID dispositivo:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocollo:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>This Asset ID cannot name a result file. Please enter another one.</source>
        <translation>Questo ID dispositivo non può essere il nome di un file di risultati. Inserirne un altro.</translation>
    </message>
    <message>
        <source>No test sequence is chosen.</source>
        <translation>Nessuna sequenza di test selezionata.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; could not be opened.</source>
        <translation>Impossibile aprire la sequenza di test &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; holds no tests that can be run.</source>
        <translation>La sequenza di test &quot;%1&quot; non contiene test eseguibili.</translation>
    </message>
</context>
<context>
    <name>AutoOccSettings</name>
    <message>
        <source>Occlusion Test Setup</source>
        <translation>Impostazioni test occlusione</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Tipo pompa:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Limite pressione sup.:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Limite pressione inf.:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AutoPCASettings</name>
    <message>
        <source>PCA Test Setup</source>
        <translation>Impostazioni test PCA</translation>
    </message>
    <message>
        <source>Basal Flow Rate:</source>
        <translation>Portata basale:</translation>
    </message>
    <message>
        <source> ml/h</source>
        <translation> ml/h</translation>
    </message>
    <message>
        <source>Bolus Volume Limit: </source>
        <translation>Limite volume bolo: </translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Sup.:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Inf.:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>AutoUserSettings</name>
    <message>
        <source>User Test Settings</source>
        <translation>Impostazioni test utente</translation>
    </message>
    <message>
        <source>Unit: </source>
        <translation>Unità: </translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>BlueToothManager</name>
    <message>
        <source>%1 / %2 %3bytes, %4 mins remaining.</source>
        <comment>Bluetooth download details</comment>
        <translation>%1 / %2 %3byte, %4 min rimanenti.</translation>
    </message>
</context>
<context>
    <name>BluetoothDataTransfer</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Bluetooth Download</source>
        <translation>Invio tramite Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Status:</source>
        <translation>Stato Bluetooth:</translation>
    </message>
    <message>
        <source>Download File:</source>
        <translation>File da inviare:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>Start data download</comment>
        <translation>Invia</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>No device set in Bluetooth Favourites</source>
        <translation>Nessun dispositivo impostato nei Preferiti Bluetooth</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Errore di lettura del file</translation>
    </message>
    <message>
        <source>No answer from the Bluetooth device</source>
        <translation>Nessuna risposta dal dispositivo Bluetooth</translation>
    </message>
    <message>
        <source>No answer from %1</source>
        <translation>Nessuna risposta da %1</translation>
    </message>
    <message>
        <source>The device refused the file: %1</source>
        <translation>Il dispositivo ha rifiutato il file: %1</translation>
    </message>
    <message>
        <source>The link dropped before the device confirmed the file</source>
        <translation>Collegamento interrotto prima della conferma del file</translation>
    </message>
    <message>
        <source>Connecting to %1....</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Press Send to start the download</source>
        <translation>Premere Invia per avviare l&apos;invio</translation>
    </message>
    <message>
        <source>Sending data... </source>
        <comment>Downloading data to bluetooth device</comment>
        <translation>Invio dati in corso...</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <translation>Invio completato.</translation>
    </message>
    <message>
        <source>%1 has been sent</source>
        <comment>File sent via bluetooth</comment>
        <translation>Il file %1 è stato inviato</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Invio interrotto</translation>
    </message>
</context>
<context>
    <name>BluetoothFavourites</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Bluetooth Favourites</source>
        <translation>Preferiti Bluetooth</translation>
    </message>
    <message>
        <source>Bar Code:</source>
        <translation>Lettore codici:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>Mobile Device:</source>
        <translation>Dispositivo mobile:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>BluetoothFavouritesScreen</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The favourites could not be saved. The stored favourites are unchanged.</source>
        <translation>Impossibile salvare i preferiti. I preferiti memorizzati restano invariati.</translation>
    </message>
    <message>
        <source>Changes Not Saved</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>The current settings have not been saved. 
Press Save, or press Cancel to continue without saving.  </source>
        <translation>Le impostazioni correnti non sono state salvate.
Premere Salva per salvarle, oppure Annulla per continuare senza salvare.</translation>
    </message>
    <message>
        <source>Data Transfer:</source>
        <translation>Trasferimento dati:</translation>
    </message>
</context>
<context>
    <name>BluetoothSearch</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Bluetooth Search</source>
        <translation>Ricerca Bluetooth</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>BluetoothUpload</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Bluetooth Upload</source>
        <translation>Ricezione tramite Bluetooth</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>%1 Ready to receive Bluetooth data.</source>
        <translation>%1: pronto a ricevere dati via Bluetooth.</translation>
    </message>
    <message>
        <source> Bytes Received %1</source>
        <translation>Byte ricevuti: %1</translation>
    </message>
    <message>
        <source>The file did not arrive whole. Nothing has been imported.</source>
        <translation>Il file non è arrivato completo. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Bluetooth File received</source>
        <translation>File Bluetooth ricevuto</translation>
    </message>
    <message>
        <source> %1, %2 bytes
Yes = Accept it
No = Reject</source>
        <translation>%1, %2 byte
Sì = accetta
No = rifiuta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Errore di lettura del file</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importati: %1</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Salvati con un nuovo nome: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Salvati in parte, danneggiati: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Non importati: %1</translation>
    </message>
    <message>
        <source>Import incomplete</source>
        <translation>Importazione incompleta</translation>
    </message>
    <message>
        <source>The transfer stopped before the file arrived whole. Nothing has been imported.</source>
        <translation>Il trasferimento si è interrotto prima che il file arrivasse completo. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Bluetooth File not received</source>
        <translation>File Bluetooth non ricevuto</translation>
    </message>
    <message>
        <source>%1 is larger than an exchange file can be. Nothing has been imported.</source>
        <translation>%1 è più grande di quanto possa essere un file di scambio. Non è stato importato nulla.</translation>
    </message>
</context>
<context>
    <name>CalibrateScreen</name>
    <message>
        <source>Calibrate Channel</source>
        <translation>Calibrazione canale</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>ClockSettingsScreen</name>
    <message>
        <source>Time and Date</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>12 / 24</source>
        <translation>12 / 24</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>DataManager</name>
    <message>
        <source>mmHg</source>
        <translation>mmHg</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
</context>
<context>
    <name>DataMenu</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Data Menu</source>
        <translation>Menu dati</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>BlueTooth Favourites</source>
        <translation>Preferiti Bluetooth</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>BT</source>
        <translation>BT</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>DataTransfer</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Data Transfer</source>
        <translation>Trasferimento dati</translation>
    </message>
    <message>
        <source>Number of Assets:</source>
        <translation>Numero di dispositivi:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>Operazione:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operaz.</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>USB PC Connection</source>
        <translation>Collegamento USB al PC</translation>
    </message>
    <message>
        <source>USB Memory Stick</source>
        <translation>Chiavetta USB</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Esporta risultati</translation>
    </message>
    <message>
        <source>Export CSV Summary</source>
        <translation>Esporta riepilogo CSV</translation>
    </message>
    <message>
        <source>Export Test Sequences</source>
        <translation>Esporta sequenze di test</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Importa risultati</translation>
    </message>
    <message>
        <source>Import Test Sequences</source>
        <translation>Importa sequenze di test</translation>
    </message>
    <message>
        <source>Error opening Internal Drive</source>
        <translation>Errore di apertura dell&apos;unità interna</translation>
    </message>
    <message>
        <source>Error copying files</source>
        <translation>Errore durante la copia dei file</translation>
    </message>
    <message>
        <source>Error opening External Drive</source>
        <translation>Errore di apertura dell&apos;unità esterna</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Importa dati</translation>
    </message>
    <message>
        <source>Attach the unit to a PC via a USB cable and copy the data file to the removable drive that appears.  
 Then press Ok</source>
        <translation>Collegare lo strumento a un PC con un cavo USB e copiare il file dei dati sull&apos;unità rimovibile che compare.
Poi premere OK.</translation>
    </message>
    <message>
        <source>Transfer Ready</source>
        <translation>Pronto per il trasferimento</translation>
    </message>
    <message>
        <source>Error opening USB Memory Drive</source>
        <translation>Errore di apertura della chiavetta USB</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>Trasferimento completato</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears</source>
        <translation>Risultati pronti per la copia.
Collegare lo strumento a un PC con un cavo USB e copiare il file dei risultati dall&apos;unità rimovibile che compare</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears.</source>
        <translation>Risultati pronti per la copia.
Collegare lo strumento a un PC con un cavo USB e copiare il file dei risultati dall&apos;unità rimovibile che compare.</translation>
    </message>
    <message>
        <source>Sequences ready for copying.
Attach the unit to a Pc via a USB cable and copy the sequences file from the removable drive that appears.</source>
        <translation>Sequenze pronte per la copia.
Collegare lo strumento a un PC con un cavo USB e copiare il file delle sequenze dall&apos;unità rimovibile che compare.</translation>
    </message>
    <message>
        <source>The sequences have been successfully copied to the USB memory device</source>
        <translation>Le sequenze sono state copiate sulla chiavetta USB</translation>
    </message>
    <message>
        <source>The results have been successfully copied to the USB memory device</source>
        <translation>I risultati sono stati copiati sulla chiavetta USB</translation>
    </message>
    <message>
        <source>Left out, could not be read: %1</source>
        <translation>Esclusi, illeggibili: %1</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Errore di lettura del file</translation>
    </message>
    <message>
        <source>Results import completed</source>
        <translation>Importazione dei risultati completata</translation>
    </message>
    <message>
        <source>Sequences import completed</source>
        <translation>Importazione delle sequenze completata</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Salvati con un nuovo nome: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Salvati in parte, danneggiati: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Non importati: %1</translation>
    </message>
    <message>
        <source>Files of another kind: %1</source>
        <translation>File di altro tipo: %1</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Importazione: %1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importazione completata</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Too large for an exchange file, not read: %1</source>
        <translation>Troppo grandi per un file di scambio, non letti: %1</translation>
    </message>
    <message>
        <source>Not a regular file, not read: %1</source>
        <translation>Non sono file regolari, non letti: %1</translation>
    </message>
</context>
<context>
    <name>DrainMode</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Drain</source>
        <translation>Svuotamento</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Canale 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Canale 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Canale 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Canale 4</translation>
    </message>
    <message>
        <source>Drain All</source>
        <translation>Svuota tutti</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
</context>
<context>
    <name>DrainingScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Draining</source>
        <translation>Svuotamento in corso</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Draining All Channels</source>
        <translation>Svuotamento di tutti i canali</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>Canale </translation>
    </message>
    <message>
        <source> not fitted</source>
        <translation> non installato</translation>
    </message>
</context>
<context>
    <name>FindDevicesScreen</name>
    <message>
        <source>Searching for devices...</source>
        <comment>Title shown when searching for bluetooth devices</comment>
        <translation>Ricerca dispositivi in corso...</translation>
    </message>
    <message>
        <source>Devices found...</source>
        <comment>Title shown when bluetooth search has found some devices</comment>
        <translation>Dispositivi trovati...</translation>
    </message>
    <message>
        <source>Search complete</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Ricerca completata</translation>
    </message>
    <message>
        <source>Search complete - no devices found</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Ricerca completata - nessun dispositivo trovato</translation>
    </message>
    <message>
        <source>Search stopped - no answer from the Bluetooth module</source>
        <translation>Ricerca interrotta - nessuna risposta dal modulo Bluetooth</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>FlowRateRunningScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Trascorso:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Rimanente:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Media ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Picco ml/h:</translation>
    </message>
    <message>
        <source>Inst Err%:</source>
        <translation>Err. ist. %:</translation>
    </message>
    <message>
        <source>Inst. Flow ml/h:</source>
        <translation>Port. ist. ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Min ml/h:</source>
        <translation>Min. ml/h:</translation>
    </message>
    <message>
        <source>P mmHg:</source>
        <translation>P mmHg:</translation>
    </message>
    <message>
        <source>Inst. flow ml/h:</source>
        <translation>Port. ist. ml/h:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Avg Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Err. port. media %</translation>
    </message>
    <message>
        <source>Volume Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Err. volume %</translation>
    </message>
    <message>
        <source>Inst Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Err. port. ist. %</translation>
    </message>
</context>
<context>
    <name>GraphModeScreen</name>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>Can</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Ch </source>
        <translation>Can. </translation>
    </message>
</context>
<context>
    <name>ImportWarning</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Incorrect File Format</source>
        <translation>Formato file non valido</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainMenu</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>TEST</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>PRIME</source>
        <translation>ADESCA</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>DRAIN</source>
        <translation>SVUOTA</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Perform Test</source>
        <translation>Esegui test</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Controllo remoto</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainScreen</name>
    <message>
        <source>Error opening the PC connection</source>
        <translation>Errore di apertura del collegamento al PC</translation>
    </message>
</context>
<context>
    <name>InfusionPumpPinEntry</name>
    <message>
        <source>Enter Pin Number</source>
        <translation>Inserire il PIN</translation>
    </message>
    <message>
        <source>Enter Pin</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>InfusionPumpSerialNoEntry</name>
    <message>
        <source>Enter Serial Number</source>
        <translation>Inserire il numero di serie</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>InfusionPumpSetup</name>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Time and Date</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Test Sequences</source>
        <translation>Sequenze di test</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Pressure Units</source>
        <translation>Unità di pressione</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>InfusionPump_GraphMode</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>Can</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>InfusionPump_PrimeModeScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Prime Mode</source>
        <translation>Adescamento</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Canale 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Canale 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Canale 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Canale 4</translation>
    </message>
    <message>
        <source>Prime All</source>
        <translation>Adesca tutti</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
</context>
<context>
    <name>ManualAssetDetails</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Manual Asset Details</source>
        <translation>Dati dispositivo</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID dispositivo:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Esito:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Solo informativo</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Save Asset</source>
        <translation>Salva dispositivo</translation>
    </message>
    <message>
        <source>Asset Saved Successfully</source>
        <translation>Dispositivo salvato</translation>
    </message>
    <message>
        <source>Asset Failed to Save</source>
        <translation>Salvataggio del dispositivo non riuscito</translation>
    </message>
    <message>
        <source>No channel is chosen.</source>
        <translation>Nessun canale selezionato.</translation>
    </message>
    <message>
        <source>A user test has no measurement to save.</source>
        <translation>Il test utente non ha misure da salvare.</translation>
    </message>
    <message>
        <source>The test date is not valid.</source>
        <translation>La data del test non è valida.</translation>
    </message>
    <message>
        <source>This asset already has a result saved in this second. Save again.</source>
        <translation>Questo dispositivo ha già un risultato salvato in questo secondo. Salvare di nuovo.</translation>
    </message>
    <message>
        <source>The result could not be written. The data memory may be full.</source>
        <translation>Impossibile scrivere il risultato. La memoria dati potrebbe essere piena.</translation>
    </message>
</context>
<context>
    <name>MemoryUsage</name>
    <message>
        <source>Memory Usage</source>
        <translation>Uso della memoria</translation>
    </message>
    <message>
        <source>Total Memory Used: </source>
        <translation>Memoria usata: </translation>
    </message>
    <message>
        <source>Number of Assets: </source>
        <translation>Numero di dispositivi: </translation>
    </message>
    <message>
        <source>Number of Test Sequences: </source>
        <translation>Numero di sequenze: </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Memory Usage Warning</source>
        <translation>Avviso memoria</translation>
    </message>
    <message>
        <source>Warning - Memory Usage greater than %1%, data may not be saved correctly</source>
        <translation>Attenzione - memoria occupata oltre il %1%, i dati potrebbero non essere salvati correttamente</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>OcclusionManualTest</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Occlusione</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Inst. flow ml/h:</source>
        <translation>Port. ist. ml/h:</translation>
    </message>
    <message>
        <source>Pump type:</source>
        <translation>Tipo pompa:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Current mmHg:</source>
        <translation>Attuale mmHg:</translation>
    </message>
    <message>
        <source>Peak mmHg:</source>
        <translation>Picco mmHg:</translation>
    </message>
    <message>
        <source>Back-off mmHg:</source>
        <translation>Rilascio mmHg:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Vol. bolo ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Current %1:</source>
        <translation>Attuale %1:</translation>
    </message>
    <message>
        <source>Peak %1:</source>
        <translation>Picco %1:</translation>
    </message>
    <message>
        <source>Back-off %1:</source>
        <translation>Rilascio %1:</translation>
    </message>
    <message>
        <source>Waiting for Pump to Reverse</source>
        <translation>In attesa dell&apos;inversione della pompa</translation>
    </message>
    <message>
        <source>Press Green Button When Alarm Sounds</source>
        <translation>Premere il tasto verde quando suona l&apos;allarme</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Auto reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
</context>
<context>
    <name>OcclusionManual_Setup</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Occlusion Setup</source>
        <translation>Impostazioni occlusione</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Canale selezionato:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Tipo di test:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Portata </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test occlusione</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Infusion pump type:</source>
        <translation>Tipo di pompa:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Limite pressione sup.:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Limite pressione inf.:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>PCAManual_Seup</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>PCA Setup</source>
        <translation>Impostazioni PCA</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Canale selezionato:</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Tipo di test:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Portata </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test occlusione</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Basal Flow Rate</source>
        <translation>Portata basale</translation>
    </message>
    <message>
        <source>  ml/h</source>
        <translation>  ml/h</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Bolus Volume Limit:</source>
        <translation>Limite vol. bolo:</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Sup.:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Inf.:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>PCARunning_Screen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>PCA</source>
        <translation>PCA</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Trascorso:</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Rimanente</translation>
    </message>
    <message>
        <source>Inst flow ml/h</source>
        <translation>Port. ist. ml/h</translation>
    </message>
    <message>
        <source>Total volume ml</source>
        <translation>Vol. totale ml</translation>
    </message>
    <message>
        <source>Bolus</source>
        <translation>Bolo</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Volume ml</source>
        <translation>Volume ml</translation>
    </message>
    <message>
        <source>Flow ml/h</source>
        <translation>Portata ml/h</translation>
    </message>
    <message>
        <source>Duration Sec</source>
        <translation>Durata s</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>PrimingScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Priming</source>
        <translation>Adescamento</translation>
    </message>
    <message>
        <source>Prime system: connect infusion pump and prime the system until air in the drain disappears.</source>
        <translation>Adescamento: collegare la pompa e adescare il sistema finché non scompare l&apos;aria nello scarico.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Priming All Channels</source>
        <translation>Adescamento di tutti i canali</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>RemoteControlScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Controllo remoto</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Occ</source>
        <translation>Occ</translation>
    </message>
    <message>
        <source>PCA</source>
        <translation>PCA</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>RestoreSettings</name>
    <message>
        <source>Restore Settings</source>
        <translation>Ripristino impostazioni</translation>
    </message>
    <message>
        <source>Set Default Settings</source>
        <translation>Impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Delete Test Sequences</source>
        <translation>Elimina sequenze di test</translation>
    </message>
    <message>
        <source>Delete Test Results</source>
        <translation>Elimina risultati dei test</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Settings Restore</source>
        <translation>Ripristino impostazioni</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Confermare?</translation>
    </message>
    <message>
        <source>The selected items will be restored to factory settings, you will be required to power down once this step is complete.</source>
        <comment>Informative message shown when about to restore factory settings</comment>
        <translation>Gli elementi selezionati verranno riportati alle impostazioni di fabbrica. Al termine sarà necessario spegnere lo strumento.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Factory Restore</source>
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <source>Could not be removed:</source>
        <translation>Impossibile eliminare:</translation>
    </message>
    <message>
        <source>You must turn off the power for the new settings to take effect</source>
        <translation>Spegnere lo strumento per rendere effettive le nuove impostazioni</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>RotaryEncoderMessageBox</name>
    <message>
        <source>Ok</source>
        <comment>Message box button text</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Message box button text</comment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Message box button text</comment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Message box button text</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Message box button text</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Discard</source>
        <comment>Message box button text</comment>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>Message box button text</comment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Message box button text</comment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>Message box button text</comment>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Message box button text</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Save All</source>
        <comment>Message box button text</comment>
        <translation>Salva tutto</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>Message box button text</comment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Yes To All</source>
        <comment>Message box button text</comment>
        <translation>Sì a tutti</translation>
    </message>
    <message>
        <source>No</source>
        <comment>Message box button text</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>No To All</source>
        <comment>Message box button text</comment>
        <translation>No a tutti</translation>
    </message>
    <message>
        <source>Abort</source>
        <comment>Message box button text</comment>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment>Message box button text</comment>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>Message box button text</comment>
        <translation>Ignora</translation>
    </message>
</context>
<context>
    <name>ScreenKeyboard</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Inserimento dati</translation>
    </message>
    <message>
        <source>GREEN Button: OK</source>
        <translation>VERDE: OK</translation>
    </message>
    <message>
        <source>RED button: Cancel</source>
        <translation>ROSSO: Annulla</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
</context>
<context>
    <name>SequenceName</name>
    <message>
        <source>Enter new test sequence name</source>
        <translation>Nome della nuova sequenza di test</translation>
    </message>
</context>
<context>
    <name>SerialNoEntry</name>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>The serial number could not be saved.</source>
        <translation>Impossibile salvare il numero di serie.</translation>
    </message>
</context>
<context>
    <name>SetClockScreen</name>
    <message>
        <source>Time and Date</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>The clock could not be set. It keeps its time.</source>
        <translation>Impossibile regolare l&apos;orologio. L&apos;ora resta invariata.</translation>
    </message>
    <message>
        <source>The time is set, but the clock could not keep it: it is lost when the instrument is switched off.</source>
        <translation>L&apos;ora è impostata, ma l&apos;orologio non può conservarla: andrà persa allo spegnimento dello strumento.</translation>
    </message>
    <message>
        <source>The format could not be saved. It applies until the instrument is switched off.</source>
        <translation>Impossibile salvare il formato. Resta valido fino allo spegnimento dello strumento.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Settings could not be saved. They apply until the instrument is switched off.</source>
        <translation>Impossibile salvare le impostazioni. Restano valide fino allo spegnimento dello strumento.</translation>
    </message>
</context>
<context>
    <name>SetupLanguage</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>English</source>
        <comment>language name on language menu</comment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>English (US)</source>
        <comment>language name on language menu</comment>
        <translation>Inglese (USA)</translation>
    </message>
    <message>
        <source>Polish</source>
        <comment>language name on language menu</comment>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Italian</source>
        <comment>language name on language menu</comment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>The language could not be saved. It applies until the instrument is switched off.</source>
        <translation>Impossibile salvare la lingua. Resta valida fino allo spegnimento dello strumento.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>SetupPressureUnits</name>
    <message>
        <source>Pressure Units</source>
        <translation>Unità di pressione</translation>
    </message>
    <message>
        <source>mmHg</source>
        <translation>mmHg</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>The pressure unit could not be saved. It applies until the instrument is switched off.</source>
        <translation>Impossibile salvare l&apos;unità di pressione. Resta valida fino allo spegnimento dello strumento.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>SummaryManualScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>PCA</source>
        <translation>PCA</translation>
    </message>
    <message>
        <source>Occ</source>
        <translation>Occ</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>MANUALE</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impost.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvat.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Stop ctrl</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Auto: </source>
        <translation>Auto: </translation>
    </message>
    <message>
        <source>Manual </source>
        <translation>Manuale </translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Save Asset</source>
        <translation>Salva dispositivo</translation>
    </message>
    <message>
        <source>No Valid Data to Save or test in progress</source>
        <translation>Nessun dato da salvare o test in corso</translation>
    </message>
    <message>
        <source>The results of channel %1 could not be saved. Press AUTO on the channel to try again.</source>
        <translation>Impossibile salvare i risultati del canale %1. Premere AUTO sul canale per riprovare.</translation>
    </message>
</context>
<context>
    <name>TestElementDetails</name>
    <message>
        <source>User Test</source>
        <translation>Test utente</translation>
    </message>
    <message>
        <source>Flow Rate Test</source>
        <translation>Test portata</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Occlusion Test</source>
        <translation>Test occlusione</translation>
    </message>
</context>
<context>
    <name>TestResultManager</name>
    <message>
        <source>Tested on</source>
        <translation>Testato il</translation>
    </message>
    <message>
        <source>Asset ID</source>
        <translation>ID dispositivo</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Sequenza di test</translation>
    </message>
    <message>
        <source>Overall Result</source>
        <translation>Esito complessivo</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Esito:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Risultato:</translation>
    </message>
    <message>
        <source>Flow Avg:</source>
        <translation>Portata media:</translation>
    </message>
    <message>
        <source>Flow Peak:</source>
        <translation>Portata di picco:</translation>
    </message>
    <message>
        <source>Flow Min:</source>
        <translation>Portata min.:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Tipo limite:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Valore atteso:</translation>
    </message>
    <message>
        <source>Upper % Limit:</source>
        <translation>Limite sup. %:</translation>
    </message>
    <message>
        <source>Lower % Limit:</source>
        <translation>Limite inf. %:</translation>
    </message>
    <message>
        <source>Bolus Volume Target:</source>
        <translation>Volume bolo atteso:</translation>
    </message>
    <message>
        <source>Bolus </source>
        <translation>Bolo </translation>
    </message>
    <message>
        <source>Bolus Volume:</source>
        <translation>Volume bolo:</translation>
    </message>
    <message>
        <source>Bolus Flow Rate:</source>
        <translation>Portata bolo:</translation>
    </message>
    <message>
        <source>Bolus Duration:</source>
        <translation>Durata bolo:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Tipo pompa:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Peak Pressure:</source>
        <translation>Pressione di picco:</translation>
    </message>
    <message>
        <source>Back-Off Pressure:</source>
        <translation>Pressione di rilascio:</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Limite pressione sup.:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Limite pressione inf.:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Solo informativo</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>Instantaneous flow</source>
        <translation>Portata istantanea</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Portata media</translation>
    </message>
    <message>
        <source>Expected Volume</source>
        <translation>Volume atteso</translation>
    </message>
</context>
<context>
    <name>TestScreen</name>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Stop ctrl</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>TestSequenceEdit</name>
    <message>
        <source>Test Sequence Edit</source>
        <translation>Modifica sequenza</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <comment>Main message shown when about to exit editing a test sequence</comment>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Save changes to the current test sequence?</source>
        <comment>Informative message shown when about to exit editing a test sequence</comment>
        <translation>Salvare le modifiche alla sequenza di test corrente?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Unable to save test sequence</source>
        <translation>Impossibile salvare la sequenza di test</translation>
    </message>
</context>
<context>
    <name>TestSequenceEditOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Delete Test</source>
        <translation>Elimina test</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Confermare?</translation>
    </message>
    <message>
        <source>This will delete the selected test from the test sequence</source>
        <translation>Il test selezionato verrà eliminato dalla sequenza</translation>
    </message>
</context>
<context>
    <name>TestSequenceInsertTest</name>
    <message>
        <source>Insert Test</source>
        <translation>Inserisci test</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Occlusione</translation>
    </message>
    <message>
        <source>Bolus</source>
        <translation>Bolo</translation>
    </message>
    <message>
        <source>Custom Test</source>
        <translation>Test personalizzato</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>TestSequenceOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Delete Test Sequence</source>
        <translation>Elimina sequenza di test</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Confermare?</translation>
    </message>
    <message>
        <source>This will delete test sequence %1</source>
        <translation>La sequenza di test %1 verrà eliminata</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Unable to copy test sequence</source>
        <translation>Impossibile copiare la sequenza di test</translation>
    </message>
    <message>
        <source>Unable to rename test sequence</source>
        <translation>Impossibile rinominare la sequenza di test</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Esiste già una sequenza di test con questo nome: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>soft key</comment>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>TestSequenceScreen</name>
    <message>
        <source>Failed to create test sequence: %1</source>
        <translation>Impossibile creare la sequenza di test: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Esiste già una sequenza di test con questo nome: %1</translation>
    </message>
</context>
<context>
    <name>TestSequences</name>
    <message>
        <source>Test Sequences</source>
        <translation>Sequenze di test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>TtyHandler</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>line hung up</source>
        <translation>linea interrotta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>UserTestRunning</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>User Test</source>
        <translation>Test utente</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>ViewData</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Visualizza risultati</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The appliance result could not be opened.
The list has been updated.</source>
        <translation>Impossibile aprire il risultato del dispositivo.
L&apos;elenco è stato aggiornato.</translation>
    </message>
</context>
<context>
    <name>ViewDataAssetDetails</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Dati dispositivo</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID dispositivo:</translation>
    </message>
    <message>
        <source>Tested On:</source>
        <translation>Testato il:</translation>
    </message>
    <message>
        <source>Test
Sequence:</source>
        <translation>Sequenza
di test:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>Seq</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Sequenza di test</translation>
    </message>
    <message>
        <source>Test sequence not found: %1</source>
        <translation>Sequenza di test non trovata: %1</translation>
    </message>
    <message>
        <source>Delete Appliance Result</source>
        <translation>Elimina risultato dispositivo</translation>
    </message>
    <message>
        <source>The current appliance result will be deleted. 
Press Ok to confirm</source>
        <translation>Il risultato corrente del dispositivo verrà eliminato.
Premere OK per confermare.</translation>
    </message>
    <message>
        <source>The appliance result could not be deleted.</source>
        <translation>Impossibile eliminare il risultato del dispositivo.</translation>
    </message>
</context>
<context>
    <name>ViewDataFlowTestResult</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Flow Rate Result</source>
        <translation>Risultato test portata</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Media ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Picco ml/h:</translation>
    </message>
    <message>
        <source>Min ml/h:</source>
        <translation>Min. ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
</context>
<context>
    <name>ViewDataOccTestResult</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Occlusion Test Result</source>
        <translation>Risultato test occlusione</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Tipo pompa:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Vol. bolo ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Back-Off </source>
        <translation>Rilascio </translation>
    </message>
    <message>
        <source>Peak </source>
        <translation>Picco </translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Inversione auto</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
</context>
<context>
    <name>ViewDataPCATest</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>PCA Test Result</source>
        <translation>Risultato test PCA</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Port.</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
</context>
<context>
    <name>ViewDataTestResults</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Risultati dei test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
<context>
    <name>ViewDataUserTestResult</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>User Test Result</source>
        <translation>Risultato test utente</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Superato</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non superato</translation>
    </message>
</context>
<context>
    <name>ViewResultsGraph</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboardPrivate</name>
    <message>
        <source>0 1 2 3 4 5 6 7 8 9
Q W E R T Y U I O P
 A S D F G H J K L
  Z X C V B N M , .
      Space</source>
        <comment>Qwerty uppercase keyboard layout - &apos;Space&apos; should be translated into a single word without spaces!</comment>
        <translation>0 1 2 3 4 5 6 7 8 9
Q W E R T Y U I O P
 A S D F G H J K L
  Z X C V B N M , .
      Spazio</translation>
    </message>
    <message>
        <source>0 1 2 3 4 5 6 7 8 9
q w e r t y u i o p
 a s d f g h j k l
  z x c v b n m , .
      Space</source>
        <comment>Qwerty lowercase keyboard layout - &apos;Space&apos; should be translated into a single word without spaces!</comment>
        <translation>0 1 2 3 4 5 6 7 8 9
q w e r t y u i o p
 a s d f g h j k l
  z x c v b n m , .
      Spazio</translation>
    </message>
    <message>
        <source>0 1 2 3 4 5 6 7 8 9
A B C D E F G H I J
K L M N O P Q R S T
U V W X Y Z , . - _
      Space</source>
        <comment>Alphabetical uppercase keyboard layout - &apos;Space&apos; should be translated into a single word without spaces!</comment>
        <translation>0 1 2 3 4 5 6 7 8 9
A B C D E F G H I J
K L M N O P Q R S T
U V W X Y Z , . - _
      Spazio</translation>
    </message>
    <message>
        <source>0 1 2 3 4 5 6 7 8 9
a b c d e f g h i j
k l m n o p q r s t
u v w x y z , . - _
      Space</source>
        <comment>Alphabetical lowercase layout - &apos;Space&apos; should be translated into a single word without spaces!</comment>
        <translation>0 1 2 3 4 5 6 7 8 9
a b c d e f g h i j
k l m n o p q r s t
u v w x y z , . - _
      Spazio</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>This should be exactly the same as the word specified in the keyboards</comment>
        <translation>Spazio</translation>
    </message>
</context>
<context>
    <name>manualSetup</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Flow Test Setup</source>
        <translation>Impostazioni test portata</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Canale selezionato:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Tipo di test:</translation>
    </message>
    <message>
        <source>Flow / Volume test</source>
        <translation>Test portata / volume</translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test occlusione</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Contropressione:</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Finestra campion.:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Tipo limite:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Portata istantanea</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Portata media</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limite:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Sup.:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Inf.:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
</context>
</TS>
