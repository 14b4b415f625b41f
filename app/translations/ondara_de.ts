<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChartView</name>
    <message>
        <source>Wave 1 Start point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 1 end point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 target point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 low point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 5 extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 5 target point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 5 low point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38% Retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50% Retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>62% Retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75% Retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to display or hide wave 1 Retracements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 1 retracements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 1 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 1 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 end point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 5 target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38% retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50% retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>62% retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75% retracement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintError</name>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOndara</name>
    <message>
        <source>Ondara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bull Market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Wave 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear Market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked while prices are shown as fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked while the prices measure wave 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start price of the measured wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End price of the measured wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a symbol to save the calculation under, or pick a saved one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Wave 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondara - saved calculations can be read but not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Wave Start is not a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Wave End is not a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Wave Start does not contain a proper fraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a Fraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Wave End does not contain a proper fraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In a Bull market, the wave start point must be less than the wave end point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In a Bear market, the wave start point must be greater than the wave end point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: The levels of these prices are too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 low point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave 3 end point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · wave %2 · %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy This Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type numbers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol must be less than or equal to 15 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a symbol to delete first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol &apos;%1&apos; not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete symbol &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the listed calculations, or the selected ones, as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the calculations of a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The To Date must be greater than the From Date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid To Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no items to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no selected items to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected item(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file already exists. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 calculation was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 calculations were imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondara</name>
    <message>
        <source>Start Ondara with ondara-launch, which makes the folder and an empty database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair the file or move it away; ondara-launch then makes a new, empty one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondara cannot open its saved calculations and has to stop.

Folder: %1
Reason: %2
Error #%3

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondara</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
