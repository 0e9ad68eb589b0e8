#pragma once
// The long-lived windows and hubs every window may use, created once by main().
class TFrmPozor;
class TFrmProgress;
class HelpViewer;
class PlaceLists;

struct Shell {
    TFrmPozor& pozor;
    TFrmProgress& progress;
    HelpViewer& help;
    PlaceLists& place_lists;
};
