// The player file's records: the 12-byte header shared with the team file and the 424-byte
// player record, the same bytes in memory and on disk (little-endian int32, Windows-1254 texts).
#pragma once

#include <cstddef>
#include <cstdint>

struct DatabaseFileHeader {
    int32_t version;
    int32_t count;
    int32_t reserved;
};

struct TechnicalBlock {
    int32_t finishing;
    int32_t set_pieces;
    int32_t heading;
    int32_t marking;
    int32_t crossing;
    int32_t passing;
    int32_t penalties;
    int32_t technique;
    int32_t tackling;
    int32_t dribbling;
    int32_t long_shots;
    int32_t long_throws;
};

enum FootCode : int32_t { FOOT_RIGHT = 1, FOOT_LEFT = 2, FOOT_BOTH = 3 };

struct PhysicalBlock {
    int32_t stamina;
    int32_t balance;
    int32_t strength;
    int32_t pace;
    int32_t acceleration;
    int32_t jumping;
    int32_t agility;
    int32_t goalkeeping;
    int32_t preferred_foot; // FootCode
};

struct MentalBlock {
    int32_t determination;
    int32_t bravery;
    int32_t decisions;
    int32_t positioning;
    int32_t aggression;
    int32_t influence;
    int32_t teamwork;
    int32_t off_the_ball;
    int32_t creativity;
    int32_t work_rate;
    int32_t anticipation;
    int32_t flair;
};

constexpr int POSITION_SLOTS = 5;
constexpr int POSITION_CODES = 16; // PositionCode 0 (goalkeeper) to 15

struct PositionBlock {
    int32_t position_count;
    int32_t positions[POSITION_SLOTS]; // PositionCode
};

constexpr std::size_t PLAYER_TEXT_SIZE = 50;
constexpr std::size_t PLAYER_TEXT_CHARS = 48;

struct PlayerRecord {
    int32_t id;
    char name[PLAYER_TEXT_SIZE];
    char surname[PLAYER_TEXT_SIZE];
    char country[PLAYER_TEXT_SIZE];
    char language[PLAYER_TEXT_SIZE];
    char birthplace[PLAYER_TEXT_SIZE];
    char padding[2];
    int32_t birth_day;
    int32_t birth_month;
    int32_t birth_year;
    TechnicalBlock technical;
    PhysicalBlock physical;
    MentalBlock mental;
    PositionBlock position;
};

// A file entry is the record followed by a second copy of its four attribute blocks.
struct PlayerBlockCopy {
    std::size_t recordOffset;
    std::size_t size;
};
inline constexpr PlayerBlockCopy PLAYER_BLOCK_COPIES[4] = {
    {268, sizeof(TechnicalBlock)},
    {316, sizeof(PhysicalBlock)},
    {352, sizeof(MentalBlock)},
    {400, sizeof(PositionBlock)},
};

constexpr int32_t PLAYER_FILE_VERSION = 2;
constexpr int32_t PLAYER_CAPACITY = 100000;
constexpr std::size_t HEADER_SIZE = 12;
constexpr std::size_t PLAYER_ENTRY_SIZE = 580;

// The values of a newly added player: every attribute 1, right foot, one position (0).
PlayerRecord newPlayerRecord();

static_assert(sizeof(DatabaseFileHeader) == HEADER_SIZE);
static_assert(offsetof(DatabaseFileHeader, version) == 0);
static_assert(offsetof(DatabaseFileHeader, count) == 4);
static_assert(offsetof(DatabaseFileHeader, reserved) == 8);

static_assert(sizeof(PlayerRecord) == 424);
static_assert(offsetof(PlayerRecord, id) == 0);
static_assert(offsetof(PlayerRecord, name) == 4);
static_assert(offsetof(PlayerRecord, surname) == 54);
static_assert(offsetof(PlayerRecord, country) == 104);
static_assert(offsetof(PlayerRecord, language) == 154);
static_assert(offsetof(PlayerRecord, birthplace) == 204);
static_assert(offsetof(PlayerRecord, padding) == 254);
static_assert(offsetof(PlayerRecord, birth_day) == 256);
static_assert(offsetof(PlayerRecord, birth_month) == 260);
static_assert(offsetof(PlayerRecord, birth_year) == 264);
static_assert(offsetof(PlayerRecord, technical) == 268);
static_assert(offsetof(PlayerRecord, physical) == 316);
static_assert(offsetof(PlayerRecord, mental) == 352);
static_assert(offsetof(PlayerRecord, position) == 400);

static_assert(sizeof(TechnicalBlock) == 48);
static_assert(offsetof(PlayerRecord, technical.finishing) == 268);
static_assert(offsetof(PlayerRecord, technical.set_pieces) == 272);
static_assert(offsetof(PlayerRecord, technical.heading) == 276);
static_assert(offsetof(PlayerRecord, technical.marking) == 280);
static_assert(offsetof(PlayerRecord, technical.crossing) == 284);
static_assert(offsetof(PlayerRecord, technical.passing) == 288);
static_assert(offsetof(PlayerRecord, technical.penalties) == 292);
static_assert(offsetof(PlayerRecord, technical.technique) == 296);
static_assert(offsetof(PlayerRecord, technical.tackling) == 300);
static_assert(offsetof(PlayerRecord, technical.dribbling) == 304);
static_assert(offsetof(PlayerRecord, technical.long_shots) == 308);
static_assert(offsetof(PlayerRecord, technical.long_throws) == 312);

static_assert(sizeof(PhysicalBlock) == 36);
static_assert(offsetof(PlayerRecord, physical.stamina) == 316);
static_assert(offsetof(PlayerRecord, physical.balance) == 320);
static_assert(offsetof(PlayerRecord, physical.strength) == 324);
static_assert(offsetof(PlayerRecord, physical.pace) == 328);
static_assert(offsetof(PlayerRecord, physical.acceleration) == 332);
static_assert(offsetof(PlayerRecord, physical.jumping) == 336);
static_assert(offsetof(PlayerRecord, physical.agility) == 340);
static_assert(offsetof(PlayerRecord, physical.goalkeeping) == 344);
static_assert(offsetof(PlayerRecord, physical.preferred_foot) == 348);

static_assert(sizeof(MentalBlock) == 48);
static_assert(offsetof(PlayerRecord, mental.determination) == 352);
static_assert(offsetof(PlayerRecord, mental.bravery) == 356);
static_assert(offsetof(PlayerRecord, mental.decisions) == 360);
static_assert(offsetof(PlayerRecord, mental.positioning) == 364);
static_assert(offsetof(PlayerRecord, mental.aggression) == 368);
static_assert(offsetof(PlayerRecord, mental.influence) == 372);
static_assert(offsetof(PlayerRecord, mental.teamwork) == 376);
static_assert(offsetof(PlayerRecord, mental.off_the_ball) == 380);
static_assert(offsetof(PlayerRecord, mental.creativity) == 384);
static_assert(offsetof(PlayerRecord, mental.work_rate) == 388);
static_assert(offsetof(PlayerRecord, mental.anticipation) == 392);
static_assert(offsetof(PlayerRecord, mental.flair) == 396);

static_assert(sizeof(PositionBlock) == 24);
static_assert(offsetof(PlayerRecord, position.position_count) == 400);
static_assert(offsetof(PlayerRecord, position.positions) == 404);
static_assert(offsetof(PlayerRecord, position.positions[4]) == 420);

static_assert(PLAYER_ENTRY_SIZE == sizeof(PlayerRecord) + sizeof(TechnicalBlock) +
                                       sizeof(PhysicalBlock) + sizeof(MentalBlock) +
                                       sizeof(PositionBlock));
