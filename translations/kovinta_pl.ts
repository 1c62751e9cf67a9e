<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AbortFailMenu</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Abort / Fail Menu</source>
        <translation>Test przerwany / niezaliczony</translation>
    </message>
    <message>
        <source>Restart Test</source>
        <translation>Powtórz test</translation>
    </message>
    <message>
        <source>Restart Protocol</source>
        <translation>Powtórz protokół</translation>
    </message>
    <message>
        <source>Next Test</source>
        <translation>Następny test</translation>
    </message>
    <message>
        <source>End Protocol</source>
        <translation>Zakończ protokół</translation>
    </message>
    <message>
        <source>Abort Protocol</source>
        <translation>Przerwij protokół</translation>
    </message>
    <message>
        <source>Restart
Test</source>
        <translation>Powtórz
test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Next
Test</source>
        <translation>Następny
test</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>End
Protocol</source>
        <translation>Zakończ
protokół</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Abort
Protocol</source>
        <translation>Przerwij
protokół</translation>
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
        <translation>Dane Bluetooth</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nazwa: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Wersja: </translation>
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
        <translation>Dane kalibracji</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Cal Date</source>
        <translation>Data kalibracji</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
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
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>AboutContactScreen</name>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>For service /  calibration requirements, please contact us using the details below.</source>
        <translation>W sprawie serwisu lub kalibracji prosimy o kontakt pod poniższymi danymi.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
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
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Firmware Ver.</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Hardware Ver.</source>
        <translation>Wersja sprzętu</translation>
    </message>
    <message>
        <source>Serial no.</source>
        <translation>Nr seryjny</translation>
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
        <translation>Kalibracja</translation>
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
        <translation>Błąd</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
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
        <translation>Analizator pomp infuzyjnych Pexon Kovinta</translation>
    </message>
</context>
<context>
    <name>AboutScreenBase</name>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>The channel details could not be saved.</source>
        <translation>Nie udało się zapisać danych kanałów.</translation>
    </message>
</context>
<context>
    <name>AutoFlowSettings</name>
    <message>
        <source>Flow Test Setup</source>
        <translation>Ustawienia testu przepływu</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Przeciwciśnienie:</translation>
    </message>
    <message>
        <source> mmHg</source>
        <translation> mmHg</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Okno próbkowania:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
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
        <translation>Typ limitu:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Chwilowy</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Górny:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Dolny:</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Dane urządzenia</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID urządzenia:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokół:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numer seryjny:</translation>
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
        <translation>Tego ID urządzenia nie można użyć jako nazwy pliku wyników. Wprowadź inne.</translation>
    </message>
    <message>
        <source>No test sequence is chosen.</source>
        <translation>Nie wybrano sekwencji testów.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; could not be opened.</source>
        <translation>Nie można otworzyć sekwencji testów „%1”.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; holds no tests that can be run.</source>
        <translation>Sekwencja testów „%1” nie zawiera testów, które można wykonać.</translation>
    </message>
</context>
<context>
    <name>AutoOccSettings</name>
    <message>
        <source>Occlusion Test Setup</source>
        <translation>Ustawienia testu okluzji</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Typ pompy:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Górny limit ciśnienia:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Dolny limit ciśnienia:</translation>
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
        <translation>Ustawienia testu PCA</translation>
    </message>
    <message>
        <source>Basal Flow Rate:</source>
        <translation>Przepływ podstawowy:</translation>
    </message>
    <message>
        <source> ml/h</source>
        <translation> ml/h</translation>
    </message>
    <message>
        <source>Bolus Volume Limit: </source>
        <translation>Limit objętości bolusa: </translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Górny:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Dolny:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
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
        <translation>Ustawienia testu użytkownika</translation>
    </message>
    <message>
        <source>Unit: </source>
        <translation>Jednostka: </translation>
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
        <translation>%1 / %2 %3B, pozostało %4 min.</translation>
    </message>
</context>
<context>
    <name>BluetoothDataTransfer</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Bluetooth Download</source>
        <translation>Wysyłanie przez Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Status:</source>
        <translation>Stan Bluetooth:</translation>
    </message>
    <message>
        <source>Download File:</source>
        <translation>Plik do wysłania:</translation>
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
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>No device set in Bluetooth Favourites</source>
        <translation>Nie ustawiono urządzenia w Ulubionych Bluetooth</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Błąd odczytu pliku</translation>
    </message>
    <message>
        <source>No answer from the Bluetooth device</source>
        <translation>Brak odpowiedzi od urządzenia Bluetooth</translation>
    </message>
    <message>
        <source>No answer from %1</source>
        <translation>Brak odpowiedzi od %1</translation>
    </message>
    <message>
        <source>The device refused the file: %1</source>
        <translation>Urządzenie odrzuciło plik: %1</translation>
    </message>
    <message>
        <source>The link dropped before the device confirmed the file</source>
        <translation>Połączenie zerwane, zanim urządzenie potwierdziło plik</translation>
    </message>
    <message>
        <source>Connecting to %1....</source>
        <translation>Łączenie z %1...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Press Send to start the download</source>
        <translation>Naciśnij Wyślij, aby rozpocząć wysyłanie</translation>
    </message>
    <message>
        <source>Sending data... </source>
        <comment>Downloading data to bluetooth device</comment>
        <translation>Wysyłanie danych...</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <translation>Wysyłanie zakończone.</translation>
    </message>
    <message>
        <source>%1 has been sent</source>
        <comment>File sent via bluetooth</comment>
        <translation>Plik %1 został wysłany</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Wysyłanie przerwane</translation>
    </message>
</context>
<context>
    <name>BluetoothFavourites</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Bluetooth Favourites</source>
        <translation>Ulubione Bluetooth</translation>
    </message>
    <message>
        <source>Bar Code:</source>
        <translation>Czytnik kodów:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Komputer:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drukarka:</translation>
    </message>
    <message>
        <source>Mobile Device:</source>
        <translation>Urządzenie mobilne:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The favourites could not be saved. The stored favourites are unchanged.</source>
        <translation>Nie udało się zapisać ulubionych. Zapisane wcześniej ulubione pozostały bez zmian.</translation>
    </message>
    <message>
        <source>Changes Not Saved</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>The current settings have not been saved. 
Press Save, or press Cancel to continue without saving.  </source>
        <translation>Bieżące ustawienia nie zostały zapisane.
Naciśnij Zapisz, aby je zapisać, lub Anuluj, aby kontynuować bez zapisywania.</translation>
    </message>
    <message>
        <source>Data Transfer:</source>
        <translation>Transfer danych:</translation>
    </message>
</context>
<context>
    <name>BluetoothSearch</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Bluetooth Search</source>
        <translation>Wyszukiwanie Bluetooth</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Bluetooth Upload</source>
        <translation>Odbiór przez Bluetooth</translation>
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
        <translation>%1: gotowy do odbioru danych przez Bluetooth.</translation>
    </message>
    <message>
        <source> Bytes Received %1</source>
        <translation>Odebrano bajtów: %1</translation>
    </message>
    <message>
        <source>The file did not arrive whole. Nothing has been imported.</source>
        <translation>Plik nie dotarł w całości. Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Bluetooth File received</source>
        <translation>Odebrano plik przez Bluetooth</translation>
    </message>
    <message>
        <source> %1, %2 bytes
Yes = Accept it
No = Reject</source>
        <translation>%1, %2 B
Tak = przyjmij
Nie = odrzuć</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Błąd odczytu pliku</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Zaimportowane: %1</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Zapisane pod nową nazwą: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Zapisane częściowo, uszkodzone: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Niezaimportowane: %1</translation>
    </message>
    <message>
        <source>Import incomplete</source>
        <translation>Import niepełny</translation>
    </message>
    <message>
        <source>The transfer stopped before the file arrived whole. Nothing has been imported.</source>
        <translation>Przesyłanie zatrzymało się, zanim plik dotarł w całości. Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Bluetooth File not received</source>
        <translation>Nie odebrano pliku przez Bluetooth</translation>
    </message>
    <message>
        <source>%1 is larger than an exchange file can be. Nothing has been imported.</source>
        <translation>%1 jest większy, niż może być plik wymiany. Nic nie zaimportowano.</translation>
    </message>
</context>
<context>
    <name>CalibrateScreen</name>
    <message>
        <source>Calibrate Channel</source>
        <translation>Kalibracja kanału</translation>
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
        <translation>Kanał</translation>
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
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
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
        <translation>Format</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Data Menu</source>
        <translation>Menu danych</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>BlueTooth Favourites</source>
        <translation>Ulubione Bluetooth</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Data Transfer</source>
        <translation>Transfer danych</translation>
    </message>
    <message>
        <source>Number of Assets:</source>
        <translation>Liczba urządzeń:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>Operacja:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operacja</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>USB PC Connection</source>
        <translation>Połączenie USB z PC</translation>
    </message>
    <message>
        <source>USB Memory Stick</source>
        <translation>Pamięć USB</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Eksport wyników</translation>
    </message>
    <message>
        <source>Export CSV Summary</source>
        <translation>Eksport tabeli CSV</translation>
    </message>
    <message>
        <source>Export Test Sequences</source>
        <translation>Eksport sekwencji</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Import wyników</translation>
    </message>
    <message>
        <source>Import Test Sequences</source>
        <translation>Import sekwencji</translation>
    </message>
    <message>
        <source>Error opening Internal Drive</source>
        <translation>Błąd otwarcia dysku wewnętrznego</translation>
    </message>
    <message>
        <source>Error copying files</source>
        <translation>Błąd kopiowania plików</translation>
    </message>
    <message>
        <source>Error opening External Drive</source>
        <translation>Błąd otwarcia dysku zewnętrznego</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Import danych</translation>
    </message>
    <message>
        <source>Attach the unit to a PC via a USB cable and copy the data file to the removable drive that appears.  
 Then press Ok</source>
        <translation>Podłącz przyrząd do komputera kablem USB i skopiuj plik danych na dysk wymienny, który się pojawi.
Następnie naciśnij OK.</translation>
    </message>
    <message>
        <source>Transfer Ready</source>
        <translation>Gotowe do przesłania</translation>
    </message>
    <message>
        <source>Error opening USB Memory Drive</source>
        <translation>Błąd otwarcia pamięci USB</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>Przesyłanie zakończone</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears</source>
        <translation>Wyniki gotowe do skopiowania.
Podłącz przyrząd do komputera kablem USB i skopiuj plik wyników z dysku wymiennego, który się pojawi</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears.</source>
        <translation>Wyniki gotowe do skopiowania.
Podłącz przyrząd do komputera kablem USB i skopiuj plik wyników z dysku wymiennego, który się pojawi.</translation>
    </message>
    <message>
        <source>Sequences ready for copying.
Attach the unit to a Pc via a USB cable and copy the sequences file from the removable drive that appears.</source>
        <translation>Sekwencje gotowe do skopiowania.
Podłącz przyrząd do komputera kablem USB i skopiuj plik sekwencji z dysku wymiennego, który się pojawi.</translation>
    </message>
    <message>
        <source>The sequences have been successfully copied to the USB memory device</source>
        <translation>Sekwencje zostały skopiowane do pamięci USB</translation>
    </message>
    <message>
        <source>The results have been successfully copied to the USB memory device</source>
        <translation>Wyniki zostały skopiowane do pamięci USB</translation>
    </message>
    <message>
        <source>Left out, could not be read: %1</source>
        <translation>Pominięte, nieczytelne: %1</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Błąd odczytu pliku</translation>
    </message>
    <message>
        <source>Results import completed</source>
        <translation>Import wyników zakończony</translation>
    </message>
    <message>
        <source>Sequences import completed</source>
        <translation>Import sekwencji zakończony</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Zapisane pod nową nazwą: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Zapisane częściowo, uszkodzone: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Niezaimportowane: %1</translation>
    </message>
    <message>
        <source>Files of another kind: %1</source>
        <translation>Pliki innego rodzaju: %1</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Importowanie: %1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import zakończony</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Too large for an exchange file, not read: %1</source>
        <translation>Za duże na plik wymiany, nieodczytane: %1</translation>
    </message>
    <message>
        <source>Not a regular file, not read: %1</source>
        <translation>Nie jest zwykłym plikiem, nieodczytane: %1</translation>
    </message>
</context>
<context>
    <name>DrainMode</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Drain</source>
        <translation>Opróżnianie</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Kanał 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Kanał 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Kanał 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Kanał 4</translation>
    </message>
    <message>
        <source>Drain All</source>
        <translation>Opróżnij wszystkie</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Draining</source>
        <translation>Opróżnianie</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Draining All Channels</source>
        <translation>Opróżnianie wszystkich kanałów</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>Kanał </translation>
    </message>
    <message>
        <source> not fitted</source>
        <translation> nie zainstalowany</translation>
    </message>
</context>
<context>
    <name>FindDevicesScreen</name>
    <message>
        <source>Searching for devices...</source>
        <comment>Title shown when searching for bluetooth devices</comment>
        <translation>Wyszukiwanie urządzeń...</translation>
    </message>
    <message>
        <source>Devices found...</source>
        <comment>Title shown when bluetooth search has found some devices</comment>
        <translation>Znaleziono urządzenia...</translation>
    </message>
    <message>
        <source>Search complete</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Wyszukiwanie zakończone</translation>
    </message>
    <message>
        <source>Search complete - no devices found</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Wyszukiwanie zakończone - nie znaleziono urządzeń</translation>
    </message>
    <message>
        <source>Search stopped - no answer from the Bluetooth module</source>
        <translation>Wyszukiwanie przerwane - brak odpowiedzi modułu Bluetooth</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
<context>
    <name>FlowRateRunningScreen</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Upłynęło:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Pozostało:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Średni ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Maks. ml/h:</translation>
    </message>
    <message>
        <source>Inst Err%:</source>
        <translation>Błąd chw. %:</translation>
    </message>
    <message>
        <source>Inst. Flow ml/h:</source>
        <translation>Przepł. chw. ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Objętość ml:</translation>
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
        <translation>Przepł. chw. ml/h:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Avg Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Błąd przepł. śr. %</translation>
    </message>
    <message>
        <source>Volume Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Błąd objętości %</translation>
    </message>
    <message>
        <source>Inst Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Błąd przepł. chw. %</translation>
    </message>
</context>
<context>
    <name>GraphModeScreen</name>
    <message>
        <source>Flow Rate</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Ch </source>
        <translation>Kan. </translation>
    </message>
</context>
<context>
    <name>ImportWarning</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Incorrect File Format</source>
        <translation>Nieprawidłowy format pliku</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainMenu</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>ZALEJ</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>DRAIN</source>
        <translation>SPUŚĆ</translation>
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
        <translation>Wykonaj test</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Zdalne sterowanie</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu główne</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainScreen</name>
    <message>
        <source>Error opening the PC connection</source>
        <translation>Błąd otwarcia połączenia z komputerem</translation>
    </message>
</context>
<context>
    <name>InfusionPumpPinEntry</name>
    <message>
        <source>Enter Pin Number</source>
        <translation>Wprowadź kod PIN</translation>
    </message>
    <message>
        <source>Enter Pin</source>
        <translation>Kod PIN</translation>
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
        <translation>Wprowadź numer seryjny</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Nr seryjny</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Time and Date</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Test Sequences</source>
        <translation>Sekwencje testów</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Pressure Units</source>
        <translation>Jednostki ciśnienia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
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
        <translation>Formularz</translation>
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
        <translation>Typ</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>Kan</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Prime Mode</source>
        <translation>Zalewanie</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Kanał 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Kanał 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Kanał 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Kanał 4</translation>
    </message>
    <message>
        <source>Prime All</source>
        <translation>Zalej wszystkie</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Manual Asset Details</source>
        <translation>Dane urządzenia</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID urządzenia:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Tylko informacyjnie</translation>
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
        <translation>Zapis urządzenia</translation>
    </message>
    <message>
        <source>Asset Saved Successfully</source>
        <translation>Urządzenie zapisane</translation>
    </message>
    <message>
        <source>Asset Failed to Save</source>
        <translation>Nie udało się zapisać urządzenia</translation>
    </message>
    <message>
        <source>No channel is chosen.</source>
        <translation>Nie wybrano kanału.</translation>
    </message>
    <message>
        <source>A user test has no measurement to save.</source>
        <translation>Test użytkownika nie ma pomiaru do zapisania.</translation>
    </message>
    <message>
        <source>The test date is not valid.</source>
        <translation>Data testu jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>This asset already has a result saved in this second. Save again.</source>
        <translation>To urządzenie ma już wynik zapisany w tej sekundzie. Zapisz ponownie.</translation>
    </message>
    <message>
        <source>The result could not be written. The data memory may be full.</source>
        <translation>Nie można zapisać wyniku. Pamięć danych może być pełna.</translation>
    </message>
</context>
<context>
    <name>MemoryUsage</name>
    <message>
        <source>Memory Usage</source>
        <translation>Zajętość pamięci</translation>
    </message>
    <message>
        <source>Total Memory Used: </source>
        <translation>Zajęta pamięć: </translation>
    </message>
    <message>
        <source>Number of Assets: </source>
        <translation>Liczba urządzeń: </translation>
    </message>
    <message>
        <source>Number of Test Sequences: </source>
        <translation>Liczba sekwencji testów: </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Memory Usage Warning</source>
        <translation>Ostrzeżenie o pamięci</translation>
    </message>
    <message>
        <source>Warning - Memory Usage greater than %1%, data may not be saved correctly</source>
        <translation>Uwaga - zajęte ponad %1% pamięci, dane mogą nie zostać poprawnie zapisane</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Okluzja</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Inst. flow ml/h:</source>
        <translation>Przepł. chw. ml/h:</translation>
    </message>
    <message>
        <source>Pump type:</source>
        <translation>Typ pompy:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Current mmHg:</source>
        <translation>Bieżące mmHg:</translation>
    </message>
    <message>
        <source>Peak mmHg:</source>
        <translation>Maks. mmHg:</translation>
    </message>
    <message>
        <source>Back-off mmHg:</source>
        <translation>Po cofn. mmHg:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Obj. bolusa ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Current %1:</source>
        <translation>Bieżące %1:</translation>
    </message>
    <message>
        <source>Peak %1:</source>
        <translation>Maks. %1:</translation>
    </message>
    <message>
        <source>Back-off %1:</source>
        <translation>Po cofn. %1:</translation>
    </message>
    <message>
        <source>Waiting for Pump to Reverse</source>
        <translation>Oczekiwanie na cofnięcie pompy</translation>
    </message>
    <message>
        <source>Press Green Button When Alarm Sounds</source>
        <translation>Naciśnij zielony przycisk, gdy zabrzmi alarm</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymany</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Zakończony</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Auto reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
</context>
<context>
    <name>OcclusionManual_Setup</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Occlusion Setup</source>
        <translation>Ustawienia okluzji</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Wybrany kanał:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Typ testu:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Przepływ </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test okluzji</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Infusion pump type:</source>
        <translation>Typ pompy infuzyjnej:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Górny limit ciśnienia:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Dolny limit ciśnienia:</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>PCA Setup</source>
        <translation>Ustawienia PCA</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Wybrany kanał:</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Typ testu:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Przepływ </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test okluzji</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Basal Flow Rate</source>
        <translation>Przepływ podstawowy</translation>
    </message>
    <message>
        <source>  ml/h</source>
        <translation>  ml/h</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
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
        <translation>Limit obj. bolusa:</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Górny:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Dolny:</translation>
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
        <translation>Formularz</translation>
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
        <translation>Upłynęło:</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Pozostało</translation>
    </message>
    <message>
        <source>Inst flow ml/h</source>
        <translation>Przepł. chw. ml/h</translation>
    </message>
    <message>
        <source>Total volume ml</source>
        <translation>Obj. całk. ml</translation>
    </message>
    <message>
        <source>Bolus</source>
        <translation>Bolus</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Volume ml</source>
        <translation>Objętość ml</translation>
    </message>
    <message>
        <source>Flow ml/h</source>
        <translation>Przepływ ml/h</translation>
    </message>
    <message>
        <source>Duration Sec</source>
        <translation>Czas s</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastawa</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Priming</source>
        <translation>Zalewanie</translation>
    </message>
    <message>
        <source>Prime system: connect infusion pump and prime the system until air in the drain disappears.</source>
        <translation>Zalewanie: podłącz pompę infuzyjną i zalewaj układ, aż w odpływie zniknie powietrze.</translation>
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
        <translation>Zalewanie wszystkich kanałów</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
</context>
<context>
    <name>RemoteControlScreen</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Zdalne sterowanie</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Obj.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśn.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
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
        <translation>b.d.</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Occ</source>
        <translation>Okl</translation>
    </message>
    <message>
        <source>PCA</source>
        <translation>PCA</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytk.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
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
        <translation>Przywracanie ustawień</translation>
    </message>
    <message>
        <source>Set Default Settings</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Delete Test Sequences</source>
        <translation>Usuń sekwencje testów</translation>
    </message>
    <message>
        <source>Delete Test Results</source>
        <translation>Usuń wyniki testów</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Settings Restore</source>
        <translation>Przywracanie ustawień</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>The selected items will be restored to factory settings, you will be required to power down once this step is complete.</source>
        <comment>Informative message shown when about to restore factory settings</comment>
        <translation>Wybrane elementy zostaną przywrócone do stanu fabrycznego. Po zakończeniu trzeba będzie wyłączyć zasilanie.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Factory Restore</source>
        <translation>Przywracanie fabryczne</translation>
    </message>
    <message>
        <source>Could not be removed:</source>
        <translation>Nie udało się usunąć:</translation>
    </message>
    <message>
        <source>You must turn off the power for the new settings to take effect</source>
        <translation>Wyłącz zasilanie, aby nowe ustawienia zaczęły obowiązywać</translation>
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
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Message box button text</comment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Message box button text</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Message box button text</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Discard</source>
        <comment>Message box button text</comment>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>Message box button text</comment>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Message box button text</comment>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>Message box button text</comment>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Message box button text</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Save All</source>
        <comment>Message box button text</comment>
        <translation>Zapisz wszystko</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>Message box button text</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Yes To All</source>
        <comment>Message box button text</comment>
        <translation>Tak dla wszystkich</translation>
    </message>
    <message>
        <source>No</source>
        <comment>Message box button text</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>No To All</source>
        <comment>Message box button text</comment>
        <translation>Nie dla wszystkich</translation>
    </message>
    <message>
        <source>Abort</source>
        <comment>Message box button text</comment>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment>Message box button text</comment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>Message box button text</comment>
        <translation>Ignoruj</translation>
    </message>
</context>
<context>
    <name>ScreenKeyboard</name>
    <message>
        <source>Dialog</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Wprowadzanie danych</translation>
    </message>
    <message>
        <source>GREEN Button: OK</source>
        <translation>ZIELONY: OK</translation>
    </message>
    <message>
        <source>RED button: Cancel</source>
        <translation>CZERWONY: Anuluj</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
</context>
<context>
    <name>SequenceName</name>
    <message>
        <source>Enter new test sequence name</source>
        <translation>Podaj nazwę nowej sekwencji testów</translation>
    </message>
</context>
<context>
    <name>SerialNoEntry</name>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>The serial number could not be saved.</source>
        <translation>Nie udało się zapisać numeru seryjnego.</translation>
    </message>
</context>
<context>
    <name>SetClockScreen</name>
    <message>
        <source>Time and Date</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>The clock could not be set. It keeps its time.</source>
        <translation>Nie udało się ustawić zegara. Zegar zachowuje dotychczasowy czas.</translation>
    </message>
    <message>
        <source>The time is set, but the clock could not keep it: it is lost when the instrument is switched off.</source>
        <translation>Czas został ustawiony, ale zegar nie może go zachować: po wyłączeniu przyrządu zostanie utracony.</translation>
    </message>
    <message>
        <source>The format could not be saved. It applies until the instrument is switched off.</source>
        <translation>Nie udało się zapisać formatu. Obowiązuje do wyłączenia przyrządu.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Settings could not be saved. They apply until the instrument is switched off.</source>
        <translation>Nie udało się zapisać ustawień. Obowiązują do wyłączenia przyrządu.</translation>
    </message>
</context>
<context>
    <name>SetupLanguage</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>English</source>
        <comment>language name on language menu</comment>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>English (US)</source>
        <comment>language name on language menu</comment>
        <translation>Angielski (USA)</translation>
    </message>
    <message>
        <source>Polish</source>
        <comment>language name on language menu</comment>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Italian</source>
        <comment>language name on language menu</comment>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>The language could not be saved. It applies until the instrument is switched off.</source>
        <translation>Nie udało się zapisać języka. Obowiązuje do wyłączenia przyrządu.</translation>
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
        <translation>Jednostki ciśnienia</translation>
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
        <translation>Nie udało się zapisać jednostki ciśnienia. Obowiązuje do wyłączenia przyrządu.</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Obj.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśn.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
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
        <translation>Okl</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
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
        <translation>RĘCZNY</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustaw.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Stop ster</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytk.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Auto: </source>
        <translation>Auto: </translation>
    </message>
    <message>
        <source>Manual </source>
        <translation>Ręczny </translation>
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
        <translation>Zapis urządzenia</translation>
    </message>
    <message>
        <source>No Valid Data to Save or test in progress</source>
        <translation>Brak danych do zapisu lub test w toku</translation>
    </message>
    <message>
        <source>The results of channel %1 could not be saved. Press AUTO on the channel to try again.</source>
        <translation>Nie udało się zapisać wyników kanału %1. Naciśnij AUTO na tym kanale, aby spróbować ponownie.</translation>
    </message>
</context>
<context>
    <name>TestElementDetails</name>
    <message>
        <source>User Test</source>
        <translation>Test użytkownika</translation>
    </message>
    <message>
        <source>Flow Rate Test</source>
        <translation>Test przepływu</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Occlusion Test</source>
        <translation>Test okluzji</translation>
    </message>
</context>
<context>
    <name>TestResultManager</name>
    <message>
        <source>Tested on</source>
        <translation>Data testu</translation>
    </message>
    <message>
        <source>Asset ID</source>
        <translation>ID urządzenia</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Sekwencja testów</translation>
    </message>
    <message>
        <source>Overall Result</source>
        <translation>Wynik ogólny</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Flow Avg:</source>
        <translation>Przepływ śr.:</translation>
    </message>
    <message>
        <source>Flow Peak:</source>
        <translation>Przepływ maks.:</translation>
    </message>
    <message>
        <source>Flow Min:</source>
        <translation>Przepływ min.:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Objętość:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Typ limitu:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Wartość zadana:</translation>
    </message>
    <message>
        <source>Upper % Limit:</source>
        <translation>Górny limit %:</translation>
    </message>
    <message>
        <source>Lower % Limit:</source>
        <translation>Dolny limit %:</translation>
    </message>
    <message>
        <source>Bolus Volume Target:</source>
        <translation>Zadana objętość bolusa:</translation>
    </message>
    <message>
        <source>Bolus </source>
        <translation>Bolus </translation>
    </message>
    <message>
        <source>Bolus Volume:</source>
        <translation>Objętość bolusa:</translation>
    </message>
    <message>
        <source>Bolus Flow Rate:</source>
        <translation>Przepływ bolusa:</translation>
    </message>
    <message>
        <source>Bolus Duration:</source>
        <translation>Czas bolusa:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Typ pompy:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Peak Pressure:</source>
        <translation>Ciśnienie maks.:</translation>
    </message>
    <message>
        <source>Back-Off Pressure:</source>
        <translation>Ciśnienie po cofnięciu:</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Górny limit ciśnienia:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Dolny limit ciśnienia:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Tylko informacyjnie</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
    <message>
        <source>Instantaneous flow</source>
        <translation>Przepływ chwilowy</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Przepływ średni</translation>
    </message>
    <message>
        <source>Expected Volume</source>
        <translation>Objętość oczekiwana</translation>
    </message>
</context>
<context>
    <name>TestScreen</name>
    <message>
        <source>Setup</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Zakończony</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymany</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Stop ster</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
</context>
<context>
    <name>TestSequenceEdit</name>
    <message>
        <source>Test Sequence Edit</source>
        <translation>Edycja sekwencji</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
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
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <comment>Main message shown when about to exit editing a test sequence</comment>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Save changes to the current test sequence?</source>
        <comment>Informative message shown when about to exit editing a test sequence</comment>
        <translation>Zapisać zmiany w bieżącej sekwencji testów?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Unable to save test sequence</source>
        <translation>Nie można zapisać sekwencji testów</translation>
    </message>
</context>
<context>
    <name>TestSequenceEditOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
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
        <translation>Usuń test</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>This will delete the selected test from the test sequence</source>
        <translation>Wybrany test zostanie usunięty z sekwencji testów</translation>
    </message>
</context>
<context>
    <name>TestSequenceInsertTest</name>
    <message>
        <source>Insert Test</source>
        <translation>Wstaw test</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Okluzja</translation>
    </message>
    <message>
        <source>Bolus</source>
        <translation>Bolus</translation>
    </message>
    <message>
        <source>Custom Test</source>
        <translation>Test własny</translation>
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
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
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
        <translation>Usuń sekwencję testów</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>This will delete test sequence %1</source>
        <translation>Sekwencja testów %1 zostanie usunięta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Unable to copy test sequence</source>
        <translation>Nie można skopiować sekwencji testów</translation>
    </message>
    <message>
        <source>Unable to rename test sequence</source>
        <translation>Nie można zmienić nazwy sekwencji testów</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Sekwencja testów o tej nazwie już istnieje: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>soft key</comment>
        <translation>Nazwa</translation>
    </message>
</context>
<context>
    <name>TestSequenceScreen</name>
    <message>
        <source>Failed to create test sequence: %1</source>
        <translation>Nie udało się utworzyć sekwencji testów: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Sekwencja testów o tej nazwie już istnieje: %1</translation>
    </message>
</context>
<context>
    <name>TestSequences</name>
    <message>
        <source>Test Sequences</source>
        <translation>Sekwencje testów</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
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
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>line hung up</source>
        <translation>linia rozłączona</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>User Test</source>
        <translation>Test użytkownika</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Przegląd wyników</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The appliance result could not be opened.
The list has been updated.</source>
        <translation>Nie można otworzyć wyniku urządzenia.
Lista została odświeżona.</translation>
    </message>
</context>
<context>
    <name>ViewDataAssetDetails</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Dane urządzenia</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>ID urządzenia:</translation>
    </message>
    <message>
        <source>Tested On:</source>
        <translation>Data testu:</translation>
    </message>
    <message>
        <source>Test
Sequence:</source>
        <translation>Sekwencja
testów:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>Sekw</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Sekwencja testów</translation>
    </message>
    <message>
        <source>Test sequence not found: %1</source>
        <translation>Nie znaleziono sekwencji testów: %1</translation>
    </message>
    <message>
        <source>Delete Appliance Result</source>
        <translation>Usuń wynik urządzenia</translation>
    </message>
    <message>
        <source>The current appliance result will be deleted. 
Press Ok to confirm</source>
        <translation>Bieżący wynik urządzenia zostanie usunięty.
Naciśnij OK, aby potwierdzić.</translation>
    </message>
    <message>
        <source>The appliance result could not be deleted.</source>
        <translation>Nie można usunąć wyniku urządzenia.</translation>
    </message>
</context>
<context>
    <name>ViewDataFlowTestResult</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Flow Rate Result</source>
        <translation>Wynik testu przepływu</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Średni ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Maks. ml/h:</translation>
    </message>
    <message>
        <source>Min ml/h:</source>
        <translation>Min. ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Objętość ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
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
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
</context>
<context>
    <name>ViewDataOccTestResult</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Occlusion Test Result</source>
        <translation>Wynik testu okluzji</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Typ pompy:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Obj. bolusa ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
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
        <translation>Po cofn. </translation>
    </message>
    <message>
        <source>Peak </source>
        <translation>Maks. </translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Autocofanie</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
</context>
<context>
    <name>ViewDataPCATest</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>PCA Test Result</source>
        <translation>Wynik testu PCA</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Objętość ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Obj.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Przep.</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
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
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
</context>
<context>
    <name>ViewDataTestResults</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Wyniki testów</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Podgląd</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>User Test Result</source>
        <translation>Wynik testu użytkownika</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanał:</translation>
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
        <translation>Pozytywny</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Negatywny</translation>
    </message>
</context>
<context>
    <name>ViewResultsGraph</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>Typ</translation>
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
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
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
      Spacja</translation>
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
      Spacja</translation>
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
      Spacja</translation>
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
      Spacja</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>This should be exactly the same as the word specified in the keyboards</comment>
        <translation>Spacja</translation>
    </message>
</context>
<context>
    <name>manualSetup</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Flow Test Setup</source>
        <translation>Ustawienia testu przepływu</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Wybrany kanał:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Typ testu:</translation>
    </message>
    <message>
        <source>Flow / Volume test</source>
        <translation>Test przepływu / objętości</translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Test okluzji</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>Test PCA</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Przeciwciśnienie:</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Okno próbkowania:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
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
        <translation>Typ limitu:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Przepływ chwilowy</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Przepływ średni</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Górny:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Dolny:</translation>
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
