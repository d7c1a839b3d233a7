// Numeric ids of every control of the editor, one namespace per dialog: the toolkit and the
// commands address them alike, and no other file writes an id as a number.
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

// The browse buttons the league, club and manager dialogs share.
namespace browse_ctl {
enum : int {
    ADD = 1014,
    MODIFY = 1015,
    SELECT = 1016,
    PREVIOUS = 1019,
    NEXT = 1020,
};
} // namespace browse_ctl

namespace league_ctl {
enum : int {
    LOAD = 1017,
    SAVE = 1018,
    COUNTRY = 1035, // "Hangi Ülke  Ligi:"
    NAME = 1036,
    TYPED_ID = 1037,
    CLUBS = 1038, // "KULUPLER": opens the club dialog
};
} // namespace league_ctl

namespace club_ctl {
enum : int {
    ADD = browse_ctl::ADD,
    MODIFY = browse_ctl::MODIFY,
    SELECT = browse_ctl::SELECT,
    LOAD = 1018,
    PREVIOUS = browse_ctl::PREVIOUS,
    NEXT = browse_ctl::NEXT,
    SAVE = 1021,
    NAME = 1036,
    SHORT_NAME = 1037, // no place in the file: shown disabled
    TYPED_ID = 1038,
    MANAGERS = 1039, // "MENAJER ": opens the manager dialog
    SHOWN_ID = 1044, // "Kulup id :"
    TOTAL = 1045,    // "Toplam id :"
    SQUAD = 1046,    // the squad list, in the box "Oyuncu Ekle :"
    PLAYER_ID = 1047,
    SQUAD_ADD = 1048,
    SQUAD_REMOVE = 1049,
    SQUAD_UP = 1050,
    SQUAD_DOWN = 1051,
};
} // namespace club_ctl

namespace manager_ctl {
enum : int {
    LOAD = 1018,
    SAVE = 1021,
    COUNTRY = 1003,
    BIRTHPLACE = 1004,
    LANGUAGE = 1008,
    DAY = 1009,
    MONTH = 1010,
    YEAR = 1011,
    FAVOURITE_CLUB = 1035, // "Sevdigi Kulup id:"
    NAME = 1036,
    SURNAME = 1037,
    TYPED_ID = 1038,
    WATCHED_CLUB = 1039, // "izlendigi Kulup id:"
    TACTIC = 1040,
    REPUTATION = 1041, // "itibar :"
};
} // namespace manager_ctl

// The attribute dialogs: each row's edit and, in the three family dialogs, the spin beside it
// (_SPIN). The dialogs reuse numbers, each within its own.
namespace technical_ctl {
enum : int {
    FINISHING = 1033,
    FINISHING_SPIN = 1034,
    SET_PIECES = 1035,
    SET_PIECES_SPIN = 1036,
    HEADING = 1037,
    HEADING_SPIN = 1038,
    MARKING = 1039,
    MARKING_SPIN = 1040,
    CROSSING = 1041,
    CROSSING_SPIN = 1042,
    PASSING = 1043,
    PASSING_SPIN = 1044,
    PENALTIES = 1045,
    PENALTIES_SPIN = 1046,
    TECHNIQUE = 1047,
    TECHNIQUE_SPIN = 1048,
    TACKLING = 1049,
    TACKLING_SPIN = 1050,
    DRIBBLING = 1051,
    DRIBBLING_SPIN = 1052,
    LONG_THROWS = 1053,
    LONG_THROWS_SPIN = 1054,
    LONG_SHOTS = 1055,
    LONG_SHOTS_SPIN = 1056,
    SAVE = 1058,
};
} // namespace technical_ctl

namespace physical_ctl {
enum : int {
    STAMINA = 1045,
    STAMINA_SPIN = 1054,
    BALANCE = 1046,
    BALANCE_SPIN = 1035,
    STRENGTH = 1047,
    STRENGTH_SPIN = 1036,
    PACE = 1048,
    PACE_SPIN = 1037,
    ACCELERATION = 1049,
    ACCELERATION_SPIN = 1038,
    JUMPING = 1050,
    JUMPING_SPIN = 1039,
    AGILITY = 1051,
    AGILITY_SPIN = 1040,
    GOALKEEPING = 1052,
    GOALKEEPING_SPIN = 1041,
    PREFERRED_FOOT = 1053,
    PREFERRED_FOOT_SPIN = 1042,
    SAVE = 1059,
};
} // namespace physical_ctl

namespace mental_ctl {
enum : int {
    DETERMINATION = 1055,
    DETERMINATION_SPIN = 1056,
    BRAVERY = 1057,
    BRAVERY_SPIN = 1058,
    DECISIONS = 1059,
    DECISIONS_SPIN = 1060,
    POSITIONING = 1061,
    POSITIONING_SPIN = 1062,
    AGGRESSION = 1063,
    AGGRESSION_SPIN = 1064,
    INFLUENCE = 1065,
    INFLUENCE_SPIN = 1066,
    TEAMWORK = 1067,
    TEAMWORK_SPIN = 1068,
    OFF_THE_BALL = 1069,
    OFF_THE_BALL_SPIN = 1070,
    CREATIVITY = 1071,
    CREATIVITY_SPIN = 1072,
    WORK_RATE = 1073,
    WORK_RATE_SPIN = 1074,
    ANTICIPATION = 1075,
    ANTICIPATION_SPIN = 1076,
    FLAIR = 1077,
    FLAIR_SPIN = 1078,
    SAVE = 1079,
};
} // namespace mental_ctl

namespace detail_ctl {
enum : int {
    POSITION1 = 1057,
    POSITION_COUNT = 1058,
    POSITION2 = 1059,
    POSITION3 = 1060,
    POSITION4 = 1061,
    POSITION5 = 1062,
    SAVE = 1080,
};
} // namespace detail_ctl

// The preset buttons of the family dialogs ("Berbat" ... "super adam").
namespace preset_ctl {
enum : int {
    TERRIBLE = 1015,
    PASSABLE = 1016,
    NORMAL = 1017,
    GOOD = 1018,
    SUPERB = 1019,
};
} // namespace preset_ctl
