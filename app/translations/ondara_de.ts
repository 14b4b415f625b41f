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
