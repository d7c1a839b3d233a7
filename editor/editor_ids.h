// Numeric ids of the main dialog's controls: the toolkit and the commands address them alike.
#pragma once

namespace ctl {
enum : int {
    CLOSE = 1, // "Kapat": the OK button of every dialog
    ADD = 3,
    MODIFY = 4,
    LOAD = 5,
    SELECT = 6,
    PREVIOUS = 7,
    NEXT = 8,
    CLEAR = 9,
    SAVE = 10,
    ABOUT = 16, // system-menu item
    NAME = 1001,
    SURNAME = 1002,
    COUNTRY = 1003,
    BIRTHPLACE = 1004,
    TYPED_ID = 1005,
    TOTAL = 1006,
    SHOWN_ID = 1007,
    LANGUAGE = 1008,
    DAY = 1009,
    MONTH = 1010,
    YEAR = 1011,
    LEAGUES = 1023,
    RESULTS = 1026,
    SEARCH = 1027,
    QUERY_NAME = 1028,
    QUERY_SURNAME = 1029,
    FOUND = 1030,
    HEADER = 1031, // attribute dialogs: "Oyuncu adi :: ..."
    TECHNICAL = 1032,
    PHYSICAL = 1040,
    MENTAL = 1041,
    DETAIL = 1043,
};
} // namespace ctl
