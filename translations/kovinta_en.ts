<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AbortFailMenu</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Abort / Fail Menu</source>
        <translation>Abort / Fail Menu</translation>
    </message>
    <message>
        <source>Restart Test</source>
        <translation>Restart Test</translation>
    </message>
    <message>
        <source>Restart Protocol</source>
        <translation>Restart Protocol</translation>
    </message>
    <message>
        <source>Next Test</source>
        <translation>Next Test</translation>
    </message>
    <message>
        <source>End Protocol</source>
        <translation>End Protocol</translation>
    </message>
    <message>
        <source>Abort Protocol</source>
        <translation>Abort Protocol</translation>
    </message>
    <message>
        <source>Restart
Test</source>
        <translation>Restart
Test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Next
Test</source>
        <translation>Next
Test</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>End
Protocol</source>
        <translation>End
Protocol</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Abort
Protocol</source>
        <translation>Abort
Protocol</translation>
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
        <translation>BlueTooth Details</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
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
        <translation>Calibration Details</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Cal Date</source>
        <translation>Cal Date</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
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
        <translation>Fault</translation>
    </message>
</context>
<context>
    <name>AboutContactScreen</name>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>For service /  calibration requirements, please contact us using the details below.</source>
        <translation>For service /  calibration requirements, please contact us using the details below.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
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
        <translation>Details</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Serial #</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Firmware Ver.</source>
        <translation>Firmware Ver.</translation>
    </message>
    <message>
        <source>Hardware Ver.</source>
        <translation>Hardware Ver.</translation>
    </message>
    <message>
        <source>Serial no.</source>
        <translation>Serial no.</translation>
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
        <translation>Calibration</translation>
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
        <translation>Fault</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
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
        <translation>Pexon Kovinta Infusion Pump Analyser</translation>
    </message>
</context>
<context>
    <name>AboutScreenBase</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>The channel details could not be saved.</source>
        <translation>The channel details could not be saved.</translation>
    </message>
</context>
<context>
    <name>AutoFlowSettings</name>
    <message>
        <source>Flow Test Setup</source>
        <translation>Flow Test Setup</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Back pressure:</translation>
    </message>
    <message>
        <source> mmHg</source>
        <translation> mmHg</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Sampling window:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> sec</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Limit Type:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Instant Flow</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Average Flow</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Lower:</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Asset Details</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>Asset ID:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocol:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Make:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Serial Number:</translation>
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
        <translation>This Asset ID cannot name a result file. Please enter another one.</translation>
    </message>
    <message>
        <source>No test sequence is chosen.</source>
        <translation>No test sequence is chosen.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; could not be opened.</source>
        <translation>The test sequence &quot;%1&quot; could not be opened.</translation>
    </message>
    <message>
        <source>The test sequence &quot;%1&quot; holds no tests that can be run.</source>
        <translation>The test sequence &quot;%1&quot; holds no tests that can be run.</translation>
    </message>
</context>
<context>
    <name>AutoOccSettings</name>
    <message>
        <source>Occlusion Test Setup</source>
        <translation>Occlusion Test Setup</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Pump Type:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Auto Reverse</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Upper Pressure Limit:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Lower Pressure Limit:</translation>
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
        <translation>PCA Test Setup</translation>
    </message>
    <message>
        <source>Basal Flow Rate:</source>
        <translation>Basal Flow Rate:</translation>
    </message>
    <message>
        <source> ml/h</source>
        <translation> ml/h</translation>
    </message>
    <message>
        <source>Bolus Volume Limit: </source>
        <translation>Bolus Volume Limit: </translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Lower:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
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
        <translation>User Test Settings</translation>
    </message>
    <message>
        <source>Unit: </source>
        <translation>Unit: </translation>
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
        <translation>%1 / %2 %3bytes, %4 mins remaining.</translation>
    </message>
</context>
<context>
    <name>BluetoothDataTransfer</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Bluetooth Download</source>
        <translation>Bluetooth Download</translation>
    </message>
    <message>
        <source>Bluetooth Status:</source>
        <translation>Bluetooth Status:</translation>
    </message>
    <message>
        <source>Download File:</source>
        <translation>Download File:</translation>
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
        <translation>Send</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>No device set in Bluetooth Favourites</source>
        <translation>No device set in Bluetooth Favourites</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Error reading file</translation>
    </message>
    <message>
        <source>No answer from the Bluetooth device</source>
        <translation>No answer from the Bluetooth device</translation>
    </message>
    <message>
        <source>No answer from %1</source>
        <translation>No answer from %1</translation>
    </message>
    <message>
        <source>The device refused the file: %1</source>
        <translation>The device refused the file: %1</translation>
    </message>
    <message>
        <source>The link dropped before the device confirmed the file</source>
        <translation>The link dropped before the device confirmed the file</translation>
    </message>
    <message>
        <source>Connecting to %1....</source>
        <translation>Connecting to %1....</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Press Send to start the download</source>
        <translation>Press Send to start the download</translation>
    </message>
    <message>
        <source>Sending data... </source>
        <comment>Downloading data to bluetooth device</comment>
        <translation>Sending data... </translation>
    </message>
    <message>
        <source>Download complete.</source>
        <translation>Download complete.</translation>
    </message>
    <message>
        <source>%1 has been sent</source>
        <comment>File sent via bluetooth</comment>
        <translation>%1 has been sent</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Download stopped</translation>
    </message>
</context>
<context>
    <name>BluetoothFavourites</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Bluetooth Favourites</source>
        <translation>Bluetooth Favourites</translation>
    </message>
    <message>
        <source>Bar Code:</source>
        <translation>Bar Code:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Mobile Device:</source>
        <translation>Mobile Device:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <source>The favourites could not be saved. The stored favourites are unchanged.</source>
        <translation>The favourites could not be saved. The stored favourites are unchanged.</translation>
    </message>
    <message>
        <source>Changes Not Saved</source>
        <translation>Changes Not Saved</translation>
    </message>
    <message>
        <source>The current settings have not been saved. 
Press Save, or press Cancel to continue without saving.  </source>
        <translation>The current settings have not been saved. 
Press Save, or press Cancel to continue without saving.  </translation>
    </message>
    <message>
        <source>Data Transfer:</source>
        <translation>Data Transfer:</translation>
    </message>
</context>
<context>
    <name>BluetoothSearch</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Bluetooth Search</source>
        <translation>Bluetooth Search</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Bluetooth Upload</source>
        <translation>Bluetooth Upload</translation>
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
        <translation>%1 Ready to receive Bluetooth data.</translation>
    </message>
    <message>
        <source> Bytes Received %1</source>
        <translation> Bytes Received %1</translation>
    </message>
    <message>
        <source>The file did not arrive whole. Nothing has been imported.</source>
        <translation>The file did not arrive whole. Nothing has been imported.</translation>
    </message>
    <message>
        <source>Bluetooth File received</source>
        <translation>Bluetooth File received</translation>
    </message>
    <message>
        <source> %1, %2 bytes
Yes = Accept it
No = Reject</source>
        <translation> %1, %2 bytes
Yes = Accept it
No = Reject</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Error reading file</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Stored under a new name: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Stored in part, damaged: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Not imported: %1</translation>
    </message>
    <message>
        <source>Import incomplete</source>
        <translation>Import incomplete</translation>
    </message>
    <message>
        <source>The transfer stopped before the file arrived whole. Nothing has been imported.</source>
        <translation>The transfer stopped before the file arrived whole. Nothing has been imported.</translation>
    </message>
    <message>
        <source>Bluetooth File not received</source>
        <translation>Bluetooth File not received</translation>
    </message>
    <message>
        <source>%1 is larger than an exchange file can be. Nothing has been imported.</source>
        <translation>%1 is larger than an exchange file can be. Nothing has been imported.</translation>
    </message>
</context>
<context>
    <name>CalibrateScreen</name>
    <message>
        <source>Calibrate Channel</source>
        <translation>Calibrate Channel</translation>
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
        <translation>CH</translation>
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
        <translation>Time and Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
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
        <translation>Bar</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Data Menu</source>
        <translation>Data Menu</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>BlueTooth Favourites</source>
        <translation>BlueTooth Favourites</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Data Transfer</source>
        <translation>Data Transfer</translation>
    </message>
    <message>
        <source>Number of Assets:</source>
        <translation>Number of Assets:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>Operation:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
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
        <translation>USB PC Connection</translation>
    </message>
    <message>
        <source>USB Memory Stick</source>
        <translation>USB Memory Stick</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Export Results</translation>
    </message>
    <message>
        <source>Export CSV Summary</source>
        <translation>Export CSV Summary</translation>
    </message>
    <message>
        <source>Export Test Sequences</source>
        <translation>Export Test Sequences</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Import Results</translation>
    </message>
    <message>
        <source>Import Test Sequences</source>
        <translation>Import Test Sequences</translation>
    </message>
    <message>
        <source>Error opening Internal Drive</source>
        <translation>Error opening Internal Drive</translation>
    </message>
    <message>
        <source>Error copying files</source>
        <translation>Error copying files</translation>
    </message>
    <message>
        <source>Error opening External Drive</source>
        <translation>Error opening External Drive</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Import Data</translation>
    </message>
    <message>
        <source>Attach the unit to a PC via a USB cable and copy the data file to the removable drive that appears.  
 Then press Ok</source>
        <translation>Attach the unit to a PC via a USB cable and copy the data file to the removable drive that appears.  
 Then press Ok</translation>
    </message>
    <message>
        <source>Transfer Ready</source>
        <translation>Transfer Ready</translation>
    </message>
    <message>
        <source>Error opening USB Memory Drive</source>
        <translation>Error opening USB Memory Drive</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>Transfer Complete</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears</source>
        <translation>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears</translation>
    </message>
    <message>
        <source>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears.</source>
        <translation>Results ready for copying.
Attach the unit to a Pc via a USB cable and copy the results file from the removable drive that appears.</translation>
    </message>
    <message>
        <source>Sequences ready for copying.
Attach the unit to a Pc via a USB cable and copy the sequences file from the removable drive that appears.</source>
        <translation>Sequences ready for copying.
Attach the unit to a Pc via a USB cable and copy the sequences file from the removable drive that appears.</translation>
    </message>
    <message>
        <source>The sequences have been successfully copied to the USB memory device</source>
        <translation>The sequences have been successfully copied to the USB memory device</translation>
    </message>
    <message>
        <source>The results have been successfully copied to the USB memory device</source>
        <translation>The results have been successfully copied to the USB memory device</translation>
    </message>
    <message>
        <source>Left out, could not be read: %1</source>
        <translation>Left out, could not be read: %1</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Error reading file</translation>
    </message>
    <message>
        <source>Results import completed</source>
        <translation>Results import completed</translation>
    </message>
    <message>
        <source>Sequences import completed</source>
        <translation>Sequences import completed</translation>
    </message>
    <message>
        <source>Stored under a new name: %1</source>
        <translation>Stored under a new name: %1</translation>
    </message>
    <message>
        <source>Stored in part, damaged: %1</source>
        <translation>Stored in part, damaged: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Not imported: %1</translation>
    </message>
    <message>
        <source>Files of another kind: %1</source>
        <translation>Files of another kind: %1</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Importing: %1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import Complete</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Too large for an exchange file, not read: %1</source>
        <translation>Too large for an exchange file, not read: %1</translation>
    </message>
    <message>
        <source>Not a regular file, not read: %1</source>
        <translation>Not a regular file, not read: %1</translation>
    </message>
</context>
<context>
    <name>DrainMode</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Drain</source>
        <translation>Drain</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Channel 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Channel 4</translation>
    </message>
    <message>
        <source>Drain All</source>
        <translation>Drain All</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Draining</source>
        <translation>Draining</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Draining All Channels</source>
        <translation>Draining All Channels</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>Channel </translation>
    </message>
    <message>
        <source> not fitted</source>
        <translation> not fitted</translation>
    </message>
</context>
<context>
    <name>FindDevicesScreen</name>
    <message>
        <source>Searching for devices...</source>
        <comment>Title shown when searching for bluetooth devices</comment>
        <translation>Searching for devices...</translation>
    </message>
    <message>
        <source>Devices found...</source>
        <comment>Title shown when bluetooth search has found some devices</comment>
        <translation>Devices found...</translation>
    </message>
    <message>
        <source>Search complete</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Search complete</translation>
    </message>
    <message>
        <source>Search complete - no devices found</source>
        <comment>Title shown when bluetooth search is complete</comment>
        <translation>Search complete - no devices found</translation>
    </message>
    <message>
        <source>Search stopped - no answer from the Bluetooth module</source>
        <translation>Search stopped - no answer from the Bluetooth module</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>FlowRateRunningScreen</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Flow Rate</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Elapsed:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Remaining:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Mean ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Peak ml/h:</translation>
    </message>
    <message>
        <source>Inst Err%:</source>
        <translation>Inst Err%:</translation>
    </message>
    <message>
        <source>Inst. Flow ml/h:</source>
        <translation>Inst. Flow ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Min ml/h:</source>
        <translation>Min ml/h:</translation>
    </message>
    <message>
        <source>P mmHg:</source>
        <translation>P mmHg:</translation>
    </message>
    <message>
        <source>Inst. flow ml/h:</source>
        <translation>Inst. flow ml/h:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Avg Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Avg Flow Err %</translation>
    </message>
    <message>
        <source>Volume Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Volume Err %</translation>
    </message>
    <message>
        <source>Inst Flow Err %</source>
        <comment>Flow rate running screen error type label</comment>
        <translation>Inst Flow Err %</translation>
    </message>
</context>
<context>
    <name>GraphModeScreen</name>
    <message>
        <source>Flow Rate</source>
        <translation>Flow Rate</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>CH</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Ch </source>
        <translation>Ch </translation>
    </message>
</context>
<context>
    <name>ImportWarning</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Incorrect File Format</source>
        <translation>Incorrect File Format</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainMenu</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>PRIME</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>DRAIN</source>
        <translation>DRAIN</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Perform Test</source>
        <translation>Perform Test</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Remote Control</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>InfusionPumpMainScreen</name>
    <message>
        <source>Error opening the PC connection</source>
        <translation>Error opening the PC connection</translation>
    </message>
</context>
<context>
    <name>InfusionPumpPinEntry</name>
    <message>
        <source>Enter Pin Number</source>
        <translation>Enter Pin Number</translation>
    </message>
    <message>
        <source>Enter Pin</source>
        <translation>Enter Pin</translation>
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
        <translation>Enter Serial Number</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Serial #</translation>
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
        <translation>Setup</translation>
    </message>
    <message>
        <source>Time and Date</source>
        <translation>Time and Date</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>Test Sequences</source>
        <translation>Test Sequences</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Pressure Units</source>
        <translation>Pressure Units</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
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
        <translation>Form</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <comment>abbreviation of channel for use on graph button</comment>
        <translation>CH</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Prime Mode</source>
        <translation>Prime Mode</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Channel 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Channel 4</translation>
    </message>
    <message>
        <source>Prime All</source>
        <translation>Prime All</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Manual Asset Details</source>
        <translation>Manual Asset Details</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>Asset ID:</translation>
    </message>
    <message>
        <source>Make:</source>
        <translation>Make:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Serial Number:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Information Only</translation>
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
        <translation>Save Asset</translation>
    </message>
    <message>
        <source>Asset Saved Successfully</source>
        <translation>Asset Saved Successfully</translation>
    </message>
    <message>
        <source>Asset Failed to Save</source>
        <translation>Asset Failed to Save</translation>
    </message>
    <message>
        <source>No channel is chosen.</source>
        <translation>No channel is chosen.</translation>
    </message>
    <message>
        <source>A user test has no measurement to save.</source>
        <translation>A user test has no measurement to save.</translation>
    </message>
    <message>
        <source>The test date is not valid.</source>
        <translation>The test date is not valid.</translation>
    </message>
    <message>
        <source>This asset already has a result saved in this second. Save again.</source>
        <translation>This asset already has a result saved in this second. Save again.</translation>
    </message>
    <message>
        <source>The result could not be written. The data memory may be full.</source>
        <translation>The result could not be written. The data memory may be full.</translation>
    </message>
</context>
<context>
    <name>MemoryUsage</name>
    <message>
        <source>Memory Usage</source>
        <translation>Memory Usage</translation>
    </message>
    <message>
        <source>Total Memory Used: </source>
        <translation>Total Memory Used: </translation>
    </message>
    <message>
        <source>Number of Assets: </source>
        <translation>Number of Assets: </translation>
    </message>
    <message>
        <source>Number of Test Sequences: </source>
        <translation>Number of Test Sequences: </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Memory Usage Warning</source>
        <translation>Memory Usage Warning</translation>
    </message>
    <message>
        <source>Warning - Memory Usage greater than %1%, data may not be saved correctly</source>
        <translation>Warning - Memory Usage greater than %1%, data may not be saved correctly</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Occlusion</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Time :</translation>
    </message>
    <message>
        <source>Inst. flow ml/h:</source>
        <translation>Inst. flow ml/h:</translation>
    </message>
    <message>
        <source>Pump type:</source>
        <translation>Pump type:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Auto-Reverse</translation>
    </message>
    <message>
        <source>Current mmHg:</source>
        <translation>Current mmHg:</translation>
    </message>
    <message>
        <source>Peak mmHg:</source>
        <translation>Peak mmHg:</translation>
    </message>
    <message>
        <source>Back-off mmHg:</source>
        <translation>Back-off mmHg:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Bolus Volume ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Current %1:</source>
        <translation>Current %1:</translation>
    </message>
    <message>
        <source>Peak %1:</source>
        <translation>Peak %1:</translation>
    </message>
    <message>
        <source>Back-off %1:</source>
        <translation>Back-off %1:</translation>
    </message>
    <message>
        <source>Waiting for Pump to Reverse</source>
        <translation>Waiting for Pump to Reverse</translation>
    </message>
    <message>
        <source>Press Green Button When Alarm Sounds</source>
        <translation>Press Green Button When Alarm Sounds</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Auto reverse</source>
        <translation>Auto reverse</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>OcclusionManual_Setup</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Occlusion Setup</source>
        <translation>Occlusion Setup</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Selected Channel:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Test type:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Flow Rate </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Occlusion test</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>PCA test</translation>
    </message>
    <message>
        <source>Infusion pump type:</source>
        <translation>Infusion pump type:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto Reverse</source>
        <translation>Auto Reverse</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Upper Pressure Limit:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Lower Pressure Limit:</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>PCA Setup</source>
        <translation>PCA Setup</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Selected Channel:</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Test type:</translation>
    </message>
    <message>
        <source>Flow Rate </source>
        <translation>Flow Rate </translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Occlusion test</translation>
    </message>
    <message>
        <source>PCA test</source>
        <translation>PCA test</translation>
    </message>
    <message>
        <source>Basal Flow Rate</source>
        <translation>Basal Flow Rate</translation>
    </message>
    <message>
        <source>  ml/h</source>
        <translation>  ml/h</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Bolus Volume Limit:</source>
        <translation>Bolus Volume Limit:</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Lower:</translation>
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
        <translation>Form</translation>
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
        <translation>Elapsed:</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>Inst flow ml/h</source>
        <translation>Inst flow ml/h</translation>
    </message>
    <message>
        <source>Total volume ml</source>
        <translation>Total volume ml</translation>
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
        <translation>Volume ml</translation>
    </message>
    <message>
        <source>Flow ml/h</source>
        <translation>Flow ml/h</translation>
    </message>
    <message>
        <source>Duration Sec</source>
        <translation>Duration Sec</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Priming</source>
        <translation>Priming</translation>
    </message>
    <message>
        <source>Prime system: connect infusion pump and prime the system until air in the drain disappears.</source>
        <translation>Prime system: connect infusion pump and prime the system until air in the drain disappears.</translation>
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
        <translation>Priming All Channels</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
</context>
<context>
    <name>RemoteControlScreen</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Remote Control</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
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
        <translation>N/A</translation>
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
        <translation>User</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
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
        <translation>Restore Settings</translation>
    </message>
    <message>
        <source>Set Default Settings</source>
        <translation>Set Default Settings</translation>
    </message>
    <message>
        <source>Delete Test Sequences</source>
        <translation>Delete Test Sequences</translation>
    </message>
    <message>
        <source>Delete Test Results</source>
        <translation>Delete Test Results</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Settings Restore</source>
        <translation>Settings Restore</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>The selected items will be restored to factory settings, you will be required to power down once this step is complete.</source>
        <comment>Informative message shown when about to restore factory settings</comment>
        <translation>The selected items will be restored to factory settings, you will be required to power down once this step is complete.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Factory Restore</source>
        <translation>Factory Restore</translation>
    </message>
    <message>
        <source>Could not be removed:</source>
        <translation>Could not be removed:</translation>
    </message>
    <message>
        <source>You must turn off the power for the new settings to take effect</source>
        <translation>You must turn off the power for the new settings to take effect</translation>
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
        <translation>Ok</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Message box button text</comment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Message box button text</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Message box button text</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Message box button text</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Discard</source>
        <comment>Message box button text</comment>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>Message box button text</comment>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Message box button text</comment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>Message box button text</comment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Message box button text</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Save All</source>
        <comment>Message box button text</comment>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>Message box button text</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Yes To All</source>
        <comment>Message box button text</comment>
        <translation>Yes To All</translation>
    </message>
    <message>
        <source>No</source>
        <comment>Message box button text</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>No To All</source>
        <comment>Message box button text</comment>
        <translation>No To All</translation>
    </message>
    <message>
        <source>Abort</source>
        <comment>Message box button text</comment>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment>Message box button text</comment>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>Message box button text</comment>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>ScreenKeyboard</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Data Entry</translation>
    </message>
    <message>
        <source>GREEN Button: OK</source>
        <translation>GREEN Button: OK</translation>
    </message>
    <message>
        <source>RED button: Cancel</source>
        <translation>RED button: Cancel</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>SequenceName</name>
    <message>
        <source>Enter new test sequence name</source>
        <translation>Enter new test sequence name</translation>
    </message>
</context>
<context>
    <name>SerialNoEntry</name>
    <message>
        <source>Serial Number</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>The serial number could not be saved.</source>
        <translation>The serial number could not be saved.</translation>
    </message>
</context>
<context>
    <name>SetClockScreen</name>
    <message>
        <source>Time and Date</source>
        <translation>Time and Date</translation>
    </message>
    <message>
        <source>The clock could not be set. It keeps its time.</source>
        <translation>The clock could not be set. It keeps its time.</translation>
    </message>
    <message>
        <source>The time is set, but the clock could not keep it: it is lost when the instrument is switched off.</source>
        <translation>The time is set, but the clock could not keep it: it is lost when the instrument is switched off.</translation>
    </message>
    <message>
        <source>The format could not be saved. It applies until the instrument is switched off.</source>
        <translation>The format could not be saved. It applies until the instrument is switched off.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Settings could not be saved. They apply until the instrument is switched off.</source>
        <translation>Settings could not be saved. They apply until the instrument is switched off.</translation>
    </message>
</context>
<context>
    <name>SetupLanguage</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <comment>language name on language menu</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>English (US)</source>
        <comment>language name on language menu</comment>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>Polish</source>
        <comment>language name on language menu</comment>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Italian</source>
        <comment>language name on language menu</comment>
        <translation>Italian</translation>
    </message>
    <message>
        <source>The language could not be saved. It applies until the instrument is switched off.</source>
        <translation>The language could not be saved. It applies until the instrument is switched off.</translation>
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
        <translation>Pressure Units</translation>
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
        <translation>Bar</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>The pressure unit could not be saved. It applies until the instrument is switched off.</source>
        <translation>The pressure unit could not be saved. It applies until the instrument is switched off.</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
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
        <translation>N/A</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
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
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Asset</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Ctrl stop</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Auto: </source>
        <translation>Auto: </translation>
    </message>
    <message>
        <source>Manual </source>
        <translation>Manual </translation>
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
        <translation>Save Asset</translation>
    </message>
    <message>
        <source>No Valid Data to Save or test in progress</source>
        <translation>No Valid Data to Save or test in progress</translation>
    </message>
    <message>
        <source>The results of channel %1 could not be saved. Press AUTO on the channel to try again.</source>
        <translation>The results of channel %1 could not be saved. Press AUTO on the channel to try again.</translation>
    </message>
</context>
<context>
    <name>TestElementDetails</name>
    <message>
        <source>User Test</source>
        <translation>User Test</translation>
    </message>
    <message>
        <source>Flow Rate Test</source>
        <translation>Flow Rate Test</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>PCA Test</translation>
    </message>
    <message>
        <source>Occlusion Test</source>
        <translation>Occlusion Test</translation>
    </message>
</context>
<context>
    <name>TestResultManager</name>
    <message>
        <source>Tested on</source>
        <translation>Tested on</translation>
    </message>
    <message>
        <source>Asset ID</source>
        <translation>Asset ID</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Test Sequence</translation>
    </message>
    <message>
        <source>Overall Result</source>
        <translation>Overall Result</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Flow Avg:</source>
        <translation>Flow Avg:</translation>
    </message>
    <message>
        <source>Flow Peak:</source>
        <translation>Flow Peak:</translation>
    </message>
    <message>
        <source>Flow Min:</source>
        <translation>Flow Min:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Limit Type:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Upper % Limit:</source>
        <translation>Upper % Limit:</translation>
    </message>
    <message>
        <source>Lower % Limit:</source>
        <translation>Lower % Limit:</translation>
    </message>
    <message>
        <source>Bolus Volume Target:</source>
        <translation>Bolus Volume Target:</translation>
    </message>
    <message>
        <source>Bolus </source>
        <translation>Bolus </translation>
    </message>
    <message>
        <source>Bolus Volume:</source>
        <translation>Bolus Volume:</translation>
    </message>
    <message>
        <source>Bolus Flow Rate:</source>
        <translation>Bolus Flow Rate:</translation>
    </message>
    <message>
        <source>Bolus Duration:</source>
        <translation>Bolus Duration:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Pump Type:</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Auto-Reverse</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Peak Pressure:</source>
        <translation>Peak Pressure:</translation>
    </message>
    <message>
        <source>Back-Off Pressure:</source>
        <translation>Back-Off Pressure:</translation>
    </message>
    <message>
        <source>Upper Pressure Limit:</source>
        <translation>Upper Pressure Limit:</translation>
    </message>
    <message>
        <source>Lower Pressure Limit:</source>
        <translation>Lower Pressure Limit:</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Information Only</source>
        <translation>Information Only</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Instantaneous flow</source>
        <translation>Instantaneous flow</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Average Flow</translation>
    </message>
    <message>
        <source>Expected Volume</source>
        <translation>Expected Volume</translation>
    </message>
</context>
<context>
    <name>TestScreen</name>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Ctrl stop</source>
        <translation>Ctrl stop</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
</context>
<context>
    <name>TestSequenceEdit</name>
    <message>
        <source>Test Sequence Edit</source>
        <translation>Test Sequence Edit</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
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
        <translation>View</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <comment>Main message shown when about to exit editing a test sequence</comment>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Save changes to the current test sequence?</source>
        <comment>Informative message shown when about to exit editing a test sequence</comment>
        <translation>Save changes to the current test sequence?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Unable to save test sequence</source>
        <translation>Unable to save test sequence</translation>
    </message>
</context>
<context>
    <name>TestSequenceEditOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
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
        <translation>Delete Test</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>This will delete the selected test from the test sequence</source>
        <translation>This will delete the selected test from the test sequence</translation>
    </message>
</context>
<context>
    <name>TestSequenceInsertTest</name>
    <message>
        <source>Insert Test</source>
        <translation>Insert Test</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Occlusion</source>
        <translation>Occlusion</translation>
    </message>
    <message>
        <source>Bolus</source>
        <translation>Bolus</translation>
    </message>
    <message>
        <source>Custom Test</source>
        <translation>Custom Test</translation>
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
        <translation>Options</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
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
        <translation>Delete Test Sequence</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>This will delete test sequence %1</source>
        <translation>This will delete test sequence %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Unable to copy test sequence</source>
        <translation>Unable to copy test sequence</translation>
    </message>
    <message>
        <source>Unable to rename test sequence</source>
        <translation>Unable to rename test sequence</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Test sequence name already exists: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>soft key</comment>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>TestSequenceScreen</name>
    <message>
        <source>Failed to create test sequence: %1</source>
        <translation>Failed to create test sequence: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Test sequence name already exists: %1</source>
        <translation>Test sequence name already exists: %1</translation>
    </message>
</context>
<context>
    <name>TestSequences</name>
    <message>
        <source>Test Sequences</source>
        <translation>Test Sequences</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
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
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>line hung up</source>
        <translation>line hung up</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>User Test</source>
        <translation>User Test</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>View Results</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Asset</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
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
        <translation>Sort</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The appliance result could not be opened.
The list has been updated.</source>
        <translation>The appliance result could not be opened.
The list has been updated.</translation>
    </message>
</context>
<context>
    <name>ViewDataAssetDetails</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Asset Details</source>
        <translation>Asset Details</translation>
    </message>
    <message>
        <source>Asset ID:</source>
        <translation>Asset ID:</translation>
    </message>
    <message>
        <source>Tested On:</source>
        <translation>Tested On:</translation>
    </message>
    <message>
        <source>Test
Sequence:</source>
        <translation>Test
Sequence:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
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
        <translation>Delete</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation>Test Sequence</translation>
    </message>
    <message>
        <source>Test sequence not found: %1</source>
        <translation>Test sequence not found: %1</translation>
    </message>
    <message>
        <source>Delete Appliance Result</source>
        <translation>Delete Appliance Result</translation>
    </message>
    <message>
        <source>The current appliance result will be deleted. 
Press Ok to confirm</source>
        <translation>The current appliance result will be deleted. 
Press Ok to confirm</translation>
    </message>
    <message>
        <source>The appliance result could not be deleted.</source>
        <translation>The appliance result could not be deleted.</translation>
    </message>
</context>
<context>
    <name>ViewDataFlowTestResult</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Flow Rate Result</source>
        <translation>Flow Rate Result</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Mean ml/h:</source>
        <translation>Mean ml/h:</translation>
    </message>
    <message>
        <source>Peak ml/h:</source>
        <translation>Peak ml/h:</translation>
    </message>
    <message>
        <source>Min ml/h:</source>
        <translation>Min ml/h:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
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
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
</context>
<context>
    <name>ViewDataOccTestResult</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Occlusion Test Result</source>
        <translation>Occlusion Test Result</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Pump Type:</source>
        <translation>Pump Type:</translation>
    </message>
    <message>
        <source>Bolus Volume ml:</source>
        <translation>Bolus Volume ml:</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
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
        <translation>Back-Off </translation>
    </message>
    <message>
        <source>Peak </source>
        <translation>Peak </translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto-Reverse</source>
        <translation>Auto-Reverse</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
</context>
<context>
    <name>ViewDataPCATest</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>PCA Test Result</source>
        <translation>PCA Test Result</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Volume ml:</source>
        <translation>Volume ml:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
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
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
</context>
<context>
    <name>ViewDataTestResults</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Test Results</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>User Test Result</source>
        <translation>User Test Result</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
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
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
</context>
<context>
    <name>ViewResultsGraph</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>Type</translation>
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
        <translation>Flow Rate</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
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
      Space</translation>
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
      Space</translation>
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
      Space</translation>
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
      Space</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>This should be exactly the same as the word specified in the keyboards</comment>
        <translation>Space</translation>
    </message>
</context>
<context>
    <name>manualSetup</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Flow Test Setup</source>
        <translation>Flow Test Setup</translation>
    </message>
    <message>
        <source>Selected Channel:</source>
        <translation>Selected Channel:</translation>
    </message>
    <message>
        <source>Test type:</source>
        <translation>Test type:</translation>
    </message>
    <message>
        <source>Flow / Volume test</source>
        <translation>Flow / Volume test</translation>
    </message>
    <message>
        <source>Occlusion test</source>
        <translation>Occlusion test</translation>
    </message>
    <message>
        <source>PCA Test</source>
        <translation>PCA Test</translation>
    </message>
    <message>
        <source>Back pressure:</source>
        <translation>Back pressure:</translation>
    </message>
    <message>
        <source>Sampling window:</source>
        <translation>Sampling window:</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> sec</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Limit Type:</source>
        <translation>Limit Type:</translation>
    </message>
    <message>
        <source>Instant Flow</source>
        <translation>Instant Flow</translation>
    </message>
    <message>
        <source>Average Flow</source>
        <translation>Average Flow</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lower:</source>
        <translation>Lower:</translation>
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
