#include "render/shader_script.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/services.h"
#include "folders/data_path.h"

namespace {

constexpr int WORD_LIMIT = 251;
// Past this, an offset starts again from its scroll speed.
constexpr float OFFSET_LIMIT = 50000.0f;
constexpr float TURN = 360.0f;
constexpr float SCRIPT_ALPHA = 0.4f;

using Word = char[WORD_LIMIT + 1];

// The script as blank-separated words; a longer word keeps its first WORD_LIMIT characters.
class WordReader {
public:
    explicit WordReader(std::FILE* file) : file(file) {}

    // The next word into `word`; false (word untouched) when none is left.
    bool next(Word& word) {
        int c = std::fgetc(file);
        while (c != EOF && isBlank(c))
            c = std::fgetc(file);
        if (c == EOF) {
            atEnd = true;
            return false;
        }
        int length = 0;
        for (; c != EOF && !isBlank(c); c = std::fgetc(file))
            if (length < WORD_LIMIT) word[length++] = char(c);
        word[length] = '\0';
        if (c == EOF) atEnd = true;
        return true;
    }

    // The last read ran into the end of the file.
    bool atEnd = false;

private:
    static bool isBlank(int c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    std::FILE* file;
};

// Leading sign and digits, as a saturated int32; 0 without leading digits.
int32_t toInteger(const char* word) {
    const long long value = std::strtoll(word, nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return int32_t(value);
}

// The leading decimal part (sign, digits, point, exponent); 0 without one.
float toReal(const char* word) {
    const char* p = word;
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    while (*p >= '0' && *p <= '9')
        ++p;
    if (*p == '.') ++p;
    while (*p >= '0' && *p <= '9')
        ++p;
    if (p == digits || (p == digits + 1 && *digits == '.')) return 0.0f;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') ++e;
        if (*e >= '0' && *e <= '9') {
            p = e;
            while (*p >= '0' && *p <= '9')
                ++p;
        }
    }
    char number[WORD_LIMIT + 1];
    const size_t length = size_t(p - word);
    std::memcpy(number, word, length);
    number[length] = '\0';
    return std::strtof(number, nullptr);
}

struct FactorName {
    const char* name;
    uint32_t value;
};

constexpr FactorName FACTORS[] = {
    {"GL_SRC_COLOR", GL_SRC_COLOR},
    {"GL_ONE_MINUS_SRC_COLOR", GL_ONE_MINUS_SRC_COLOR},
    {"GL_SRC_ALPHA", GL_SRC_ALPHA},
    {"GL_ONE_MINUS_SRC_ALPHA", GL_ONE_MINUS_SRC_ALPHA},
    {"GL_DST_ALPHA", GL_DST_ALPHA},
    {"GL_ONE_MINUS_DST_ALPHA", GL_ONE_MINUS_DST_ALPHA},
    {"GL_DST_COLOR", GL_DST_COLOR},
    {"GL_ONE_MINUS_DST_COLOR", GL_ONE_MINUS_DST_COLOR},
    {"GL_SRC_ALPHA_SATURATE", GL_SRC_ALPHA_SATURATE},
    {"GL_ONE", GL_ONE},
};

void setFactor(uint32_t& field, const char* word) {
    for (const FactorName& factor : FACTORS)
        if (std::strcmp(word, factor.name) == 0) field = factor.value;
}

enum class Form { Switch, Integer, Real, Rotation, Factor, Frame, Layer1, Layer2 };

struct Keyword {
    const char* name;
    Form form;
    uint8_t ShaderScript::*flag = nullptr;
    int32_t ShaderScript::*integer = nullptr;
    float ShaderScript::*real = nullptr;
    uint32_t ShaderScript::*factor = nullptr;
};

// Tested in this order on every word; an argument word goes on to the keywords after its own.
const Keyword KEYWORDS[] = {
    {"saydam", Form::Switch, &ShaderScript::blend},
    {"cevre", Form::Switch, &ShaderScript::sphereMap},
    {"alfa", Form::Switch, &ShaderScript::alphaBlend},
    {"tga", Form::Switch, &ShaderScript::targaFrames},
    {"jpg", Form::Switch, &ShaderScript::jpegFrames},
    {"depth", Form::Switch, &ShaderScript::depthRestore},
    {"nkezdon", Form::Integer, nullptr, &ShaderScript::extraDraws},
    {"anim", Form::Switch, &ShaderScript::animate},
    {"zaman", Form::Integer, nullptr, &ShaderScript::delay},
    {"zaman1", Form::Integer, nullptr, &ShaderScript::delay1},
    {"zaman2", Form::Integer, nullptr, &ShaderScript::delay2},
    {"don", Form::Rotation},
    {"saydamSRC", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::srcFactor},
    {"saydamDST", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::dstFactor},
    {"x", Form::Real, nullptr, nullptr, &ShaderScript::offsetX},
    {"y", Form::Real, nullptr, nullptr, &ShaderScript::offsetY},
    {"x1", Form::Real, nullptr, nullptr, &ShaderScript::offsetX1},
    {"y1", Form::Real, nullptr, nullptr, &ShaderScript::offsetY1},
    {"x2", Form::Real, nullptr, nullptr, &ShaderScript::offsetX2},
    {"y2", Form::Real, nullptr, nullptr, &ShaderScript::offsetY2},
    {"Dokusayisi", Form::Integer, nullptr, &ShaderScript::frameCount},
    {"doku", Form::Frame},
    {"doku1", Form::Layer1},
    {"doku2", Form::Layer2},
    {"saydamSRC1", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::srcFactor1},
    {"saydamDST1", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::dstFactor1},
    {"saydamSRC2", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::srcFactor2},
    {"saydamDST2", Form::Factor, nullptr, nullptr, nullptr, &ShaderScript::dstFactor2},
};

void loadFrame(ShaderScript& s, const char* base) {
    if (s.loadedFrames < 0 || s.loadedFrames >= ShaderScript::MAX_FRAMES) return;
    FrameTexture& frame = s.frames[s.loadedFrames];
    if (s.targaFrames == 1)
        frame.loadTarga(base);
    else if (s.jpegFrames == 1)
        frame.loadJpeg(base);
    else
        frame.loadBitmap(base);
    ++s.loadedFrames; // a failed load still takes its place in the cycle
}

// Reads the keyword's argument words into `word` and acts on the last one; without all of
// its words the keyword does nothing.
void apply(const Keyword& keyword, ShaderScript& s, WordReader& reader, Word& word) {
    const bool oneWord = keyword.form == Form::Switch || keyword.form == Form::Factor;
    if (!reader.next(word)) return;
    if (!oneWord && !reader.next(word)) return; // the first of two is a separator
    switch (keyword.form) {
    case Form::Switch:
        s.*keyword.flag = std::strcmp(word, "ac") == 0 ? 1 : 0;
        break;
    case Form::Integer:
        s.*keyword.integer = toInteger(word);
        break;
    case Form::Real:
        s.*keyword.real = toReal(word);
        break;
    case Form::Rotation:
        s.angle = s.angleStep = toReal(word);
        break;
    case Form::Factor:
        setFactor(s.*keyword.factor, word);
        break;
    case Form::Frame:
        loadFrame(s, word);
        break;
    case Form::Layer1:
        s.texture1.loadTarga(word);
        break;
    case Form::Layer2:
        s.texture2.loadBitmap(word);
        break;
    }
}

bool inTable(int index) {
    return index >= 0 && index < ShaderScriptTable::SIZE;
}

// Keeps a growing angle within one turn either way without ever reaching 0, which would
// switch the rotation off.
float wrapAngle(float angle) {
    if (std::fabs(angle) <= TURN) return angle;
    const float wrapped = std::fmod(angle, TURN);
    return wrapped != 0.0f ? wrapped : std::copysign(TURN, angle);
}

void advance(ShaderScript& s) {
    // Each axis scrolls when its own offset is set: "x" alone scrolls sideways only.
    const float dt = services::frameDelta();
    if (s.offsetX != 0.0f) s.offsetX += dt * s.scrollSpeedX * 10.0f;
    if (s.offsetY != 0.0f) s.offsetY += dt * s.scrollSpeedY * 10.0f;
    if (s.offsetX > OFFSET_LIMIT) s.offsetX = s.scrollSpeedX;
    if (s.offsetY > OFFSET_LIMIT) s.offsetY = s.scrollSpeedY;
    if (s.angle != 0.0f) s.angle = wrapAngle(s.angle + s.angleStep);
    if (s.animate == 1) {
        if (s.animTimer.tick(ShaderScriptTable::ANIMATION_RATE) == 1) s.animAccumulator += 1.0f;
        if (!(float(s.delay) > s.animAccumulator)) {
            ++s.currentFrame;
            s.animAccumulator = 0.0f;
        }
        // Wraps within the frames the entry can hold, whatever the script's count.
        const int32_t cycle = s.frameCount < 0                          ? 0
                              : s.frameCount > ShaderScript::MAX_FRAMES ? ShaderScript::MAX_FRAMES
                                                                        : s.frameCount;
        if (s.currentFrame >= cycle) s.currentFrame = 0;
    }
}

} // namespace

void ShaderScriptTable::reset() {
    services::writeLog("Golge doku ayarlari sifirlaniyor...");
    for (int i = 0; i < RESET_ENTRIES; ++i) {
        ShaderScript& s = entries[i];
        s.blend = s.alphaBlend = s.targaFrames = s.jpegFrames = s.depthRestore = s.sphereMap = 0;
        s.offsetX = s.offsetY = s.angle = 0.0f;
        s.offsetX1 = s.offsetY1 = s.offsetX2 = s.offsetY2 = 0.0f;
        s.animAccumulator = 0.0f;
        s.extraDraws = s.pass = s.loadedFrames = s.delayCounter1 = 0;
        s.scrollSpeedX = s.scrollSpeedY = DEFAULT_SCROLL_SPEED;
    }
    services::writeLog("Golge doku ayarlari sifirlandi...");
}

int ShaderScriptTable::parseScript(const char* scriptName, int index) {
    if (!scriptName) scriptName = "";
    services::writeLog("Golge dokusu yukleniyor : %s", scriptName);
    if (!inTable(index)) return 0;
    std::FILE* file = scriptName[0]
                          ? std::fopen(services::dataFolders().hostPath(scriptName).c_str(), "r")
                          : nullptr;
    if (!file) {
        services::showWarning("Golge dokusu bulunamadi!");
        services::writeLog("Golge dokusu bulunamadi!");
        return 0;
    }
    ShaderScript& s = entries[index];
    WordReader reader(file);
    Word word = "";
    for (;;) {
        const bool read = reader.next(word);
        for (const Keyword& keyword : KEYWORDS)
            if (std::strcmp(word, keyword.name) == 0) apply(keyword, s, reader, word);
        // Without a new word the last one has now been tested once more.
        if (!read || reader.atEnd) break;
    }
    std::fclose(file);
    return 1;
}

int ShaderScriptTable::beginPass(int index) {
    if (!inTable(index)) return 0;
    entries[index].pass = 0;
    glBindTexture(GL_TEXTURE_2D, applyPass(index));
    return 1;
}

uint32_t ShaderScriptTable::applyPass(int index) {
    if (!inTable(index)) return 0;
    ShaderScript& s = entries[index];
    if (s.delayCounter == s.delay) {
        s.delayCounter = 0;
        advance(s);
    } else if (s.delayCounter < s.delay) {
        ++s.delayCounter; // a counter that can never meet its delay stops counting
    }
    if (s.blend == 1) {
        glEnable(GL_BLEND);
        glBlendFunc(GLenum(s.srcFactor), GLenum(s.dstFactor));
        glColor4f(1.0f, 1.0f, 1.0f, SCRIPT_ALPHA);
    }
    if (s.alphaBlend == 1) {
        glEnable(GL_BLEND);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    const bool turn = s.angle != 0.0f, shift = s.offsetX != 0.0f || s.offsetY != 0.0f;
    if (turn || shift) {
        glMatrixMode(GL_TEXTURE);
        if (turn) glRotatef(s.angle, 0.0f, 0.0f, 1.0f);
        if (shift) glTranslatef(s.offsetX, s.offsetY, 0.0f);
        if (turn) glRotatef(s.angle, 0.0f, 0.0f, 1.0f);
        glMatrixMode(GL_MODELVIEW);
    }
    if (s.sphereMap == 1) {
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
    }
    const bool frameHeld = s.currentFrame >= 0 && s.currentFrame < ShaderScript::MAX_FRAMES;
    return frameHeld ? s.frames[s.currentFrame].texture : 0;
}

void ShaderScriptTable::endPass(int index) {
    if (!inTable(index)) return;
    const ShaderScript& s = entries[index];
    if (s.blend == 1) {
        glDisable(GL_BLEND);
        if (s.depthRestore == 1) glDepthMask(GL_TRUE);
    }
    if (s.alphaBlend == 1) glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

int ShaderScriptTable::drawCount(int index) {
    if (!inTable(index)) return 0;
    const int32_t extra = entries[index].extraDraws;
    if (extra == 0) return 0;
    return extra == INT32_MAX ? INT32_MAX : extra + 1; // saturated: one draw fewer at most
}

int ShaderScriptTable::nextPass(int index) {
    if (!inTable(index)) return 0;
    ShaderScript& s = entries[index];
    if (s.extraDraws > 0 && s.pass <= s.extraDraws && s.pass < INT32_MAX) ++s.pass;
    return s.pass;
}
