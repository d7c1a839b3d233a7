#include "bench/game/gl_recorder.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <type_traits>
#include <utility>

namespace glrec {
namespace {

union Arg {
    double d;
    float f;
    int32_t i;
    uint32_t u;
    uint8_t b;
};

struct Entry;
using Play = void (*)(const Entry&);

struct Entry {
    Play play;
    bool redundant; // sets GL state to what it already is
    Arg a[6];
    uint32_t bytesAt; // into the byte pool, for calls that pass an array
    uint32_t byteCount;
};

constexpr int32_t MAX_ENTRIES = 1 << 17;
constexpr uint32_t MAX_BYTES = 1 << 20;

struct Recorder {
    bool on = false;
    bool overflow = false;
    int32_t count = 0;
    uint32_t bytesUsed = 0;
    Entry entries[MAX_ENTRIES];
    uint8_t bytes[MAX_BYTES];

    Entry* add(Play play) {
        if (count == MAX_ENTRIES) {
            overflow = true;
            return nullptr;
        }
        Entry& e = entries[count++];
        e.play = play;
        e.redundant = false;
        e.byteCount = 0;
        return &e;
    }
    bool keep(Entry& e, const void* data, uint32_t n) {
        if (n > MAX_BYTES - bytesUsed) {
            overflow = true;
            --count;
            return false;
        }
        std::memcpy(bytes + bytesUsed, data, n);
        e.bytesAt = bytesUsed;
        e.byteCount = n;
        bytesUsed += n;
        return true;
    }
};

Recorder recorder;

// The calls whose effect on GL state is tracked, to find the ones that change nothing.
enum class Kind { OTHER, BIND, ENABLE, DISABLE, BLEND, COLOR, LISTS };

// GL state as the recorded calls left it; "unknown" until a call sets it in this frame.
struct Shadow {
    static constexpr int CAP_SLOTS = 32;
    bool textureKnown = false;
    GLuint texture = 0;
    int caps = 0;
    GLenum capName[CAP_SLOTS] = {};
    bool capOn[CAP_SLOTS] = {};
    bool blendKnown = false;
    GLenum blend[2] = {};
    bool colorKnown = false;
    float color[4] = {};

    void forget() { *this = Shadow{}; }
    // True when the call sets a capability to what it already is; records it otherwise.
    bool setCap(GLenum cap, bool on) {
        for (int i = 0; i < caps; ++i) {
            if (capName[i] != cap) continue;
            const bool same = capOn[i] == on;
            capOn[i] = on;
            return same;
        }
        if (caps < CAP_SLOTS) {
            capName[caps] = cap;
            capOn[caps++] = on;
        }
        return false;
    }
    bool setColor(const float* c) {
        const bool same = colorKnown && std::memcmp(c, color, sizeof color) == 0;
        std::memcpy(color, c, sizeof color);
        colorKnown = true;
        return same;
    }
};

Shadow shadow;

template <class T> Arg put(T v) {
    Arg a{};
    std::memcpy(&a, &v, sizeof v);
    return a;
}
template <class T> T get(const Arg& a) {
    T v;
    std::memcpy(&v, &a, sizeof v);
    return v;
}

template <auto Real, class... A, std::size_t... I>
void playWith(const Entry& e, std::index_sequence<I...>) {
    Real(get<A>(e.a[I])...);
}
template <auto Real, class... A> void play(const Entry& e) {
    playWith<Real, A...>(e, std::index_sequence_for<A...>{});
}

template <class T> float channel(T v) {
    if constexpr (std::is_same_v<T, GLubyte>)
        return float(v) / 255.0f;
    else
        return float(v);
}

bool changesNothing(Kind kind, const Entry& e, std::initializer_list<float> rgba) {
    switch (kind) {
    case Kind::BIND: {
        const GLuint name = get<GLuint>(e.a[1]);
        const bool same = shadow.textureKnown && shadow.texture == name;
        shadow.textureKnown = true;
        shadow.texture = name;
        return same;
    }
    case Kind::ENABLE:
    case Kind::DISABLE:
        return shadow.setCap(get<GLenum>(e.a[0]), kind == Kind::ENABLE);
    case Kind::BLEND: {
        const GLenum f[2] = {get<GLenum>(e.a[0]), get<GLenum>(e.a[1])};
        const bool same = shadow.blendKnown && std::memcmp(f, shadow.blend, sizeof f) == 0;
        std::memcpy(shadow.blend, f, sizeof f);
        shadow.blendKnown = true;
        return same;
    }
    case Kind::COLOR: {
        float c[4] = {1, 1, 1, 1};
        std::copy(rgba.begin(), rgba.end(), c);
        return shadow.setColor(c);
    }
    case Kind::LISTS: // a display list may change any state
        shadow.forget();
        return false;
    case Kind::OTHER:
        return false;
    }
    return false;
}

template <auto Real, class... A> void pass(Kind kind, A... args) {
    if (recorder.on) {
        if (Entry* e = recorder.add(&play<Real, A...>)) {
            int i = 0;
            ((e->a[i++] = put(args)), ...);
            e->redundant = kind == Kind::COLOR ? changesNothing(kind, *e, {channel(args)...})
                                               : changesNothing(kind, *e, {});
        }
    }
    Real(args...);
}

uint32_t typeSize(GLenum type) {
    switch (type) {
    case GL_UNSIGNED_SHORT:
    case GL_SHORT:
        return 2;
    case GL_UNSIGNED_INT:
    case GL_INT:
    case GL_FLOAT:
        return 4;
    default:
        return 1;
    }
}

} // namespace
} // namespace glrec

#define GLREC_COMMA(...) __VA_OPT__(, ) __VA_ARGS__
#define GLREC_CALLS(X)                                                                             \
    X(glBegin, OTHER, (GLenum a), (a))                                                             \
    X(glEnd, OTHER, (), ())                                                                        \
    X(glVertex2f, OTHER, (GLfloat a, GLfloat b), (a, b))                                           \
    X(glVertex3f, OTHER, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                             \
    X(glTexCoord2f, OTHER, (GLfloat a, GLfloat b), (a, b))                                         \
    X(glColor3ub, COLOR, (GLubyte a, GLubyte b, GLubyte c), (a, b, c))                             \
    X(glColor4ub, COLOR, (GLubyte a, GLubyte b, GLubyte c, GLubyte d), (a, b, c, d))               \
    X(glColor4f, COLOR, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                \
    X(glBindTexture, BIND, (GLenum a, GLuint b), (a, b))                                           \
    X(glBlendFunc, BLEND, (GLenum a, GLenum b), (a, b))                                            \
    X(glEnable, ENABLE, (GLenum a), (a))                                                           \
    X(glDisable, DISABLE, (GLenum a), (a))                                                         \
    X(glDepthMask, OTHER, (GLboolean a), (a))                                                      \
    X(glDepthFunc, OTHER, (GLenum a), (a))                                                         \
    X(glMatrixMode, OTHER, (GLenum a), (a))                                                        \
    X(glLoadIdentity, OTHER, (), ())                                                               \
    X(glPushMatrix, OTHER, (), ())                                                                 \
    X(glPopMatrix, OTHER, (), ())                                                                  \
    X(glOrtho, OTHER, (GLdouble a, GLdouble b, GLdouble c, GLdouble d, GLdouble e, GLdouble f),    \
      (a, b, c, d, e, f))                                                                          \
    X(glTranslated, OTHER, (GLdouble a, GLdouble b, GLdouble c), (a, b, c))                        \
    X(glTranslatef, OTHER, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                           \
    X(glRotatef, OTHER, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                \
    X(glScalef, OTHER, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                               \
    X(glListBase, OTHER, (GLuint a), (a))                                                          \
    X(glCallList, LISTS, (GLuint a), (a))                                                          \
    X(glTexEnvf, OTHER, (GLenum a, GLenum b, GLfloat c), (a, b, c))                                \
    X(glTexEnvi, OTHER, (GLenum a, GLenum b, GLint c), (a, b, c))                                  \
    X(glTexGeni, OTHER, (GLenum a, GLenum b, GLint c), (a, b, c))                                  \
    X(glTexParameteri, OTHER, (GLenum a, GLenum b, GLint c), (a, b, c))                            \
    X(glPolygonMode, OTHER, (GLenum a, GLenum b), (a, b))                                          \
    X(glShadeModel, OTHER, (GLenum a), (a))                                                        \
    X(glPointSize, OTHER, (GLfloat a), (a))                                                        \
    X(glLineWidth, OTHER, (GLfloat a), (a))                                                        \
    X(glHint, OTHER, (GLenum a, GLenum b), (a, b))                                                 \
    X(glClear, OTHER, (GLbitfield a), (a))                                                         \
    X(glClearColor, OTHER, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))             \
    X(glViewport, OTHER, (GLint a, GLint b, GLsizei c, GLsizei d), (a, b, c, d))                   \
    X(glFlush, OTHER, (), ())

#define GLREC_WRAP(name, kind, params, args)                                                       \
    extern "C" void __real_##name params;                                                          \
    extern "C" void __wrap_##name params {                                                         \
        glrec::pass<__real_##name>(glrec::Kind::kind GLREC_COMMA args);                            \
    }
GLREC_CALLS(GLREC_WRAP)

// The two calls that pass arrays keep a copy of them.
extern "C" void __real_glCallLists(GLsizei n, GLenum type, const GLvoid* lists);
extern "C" void __wrap_glCallLists(GLsizei n, GLenum type, const GLvoid* lists) {
    using namespace glrec;
    if (recorder.on) {
        Entry* e = recorder.add([](const Entry& e) {
            __real_glCallLists(get<GLsizei>(e.a[0]), get<GLenum>(e.a[1]),
                               recorder.bytes + e.bytesAt);
        });
        if (e && recorder.keep(*e, lists, uint32_t(n > 0 ? n : 0) * typeSize(type))) {
            e->a[0] = put(n);
            e->a[1] = put(type);
        }
        shadow.forget(); // a display list may change any state
    }
    __real_glCallLists(n, type, lists);
}
extern "C" void __real_glLightfv(GLenum light, GLenum pname, const GLfloat* params);
extern "C" void __wrap_glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    using namespace glrec;
    if (recorder.on) {
        Entry* e = recorder.add([](const Entry& e) {
            __real_glLightfv(get<GLenum>(e.a[0]), get<GLenum>(e.a[1]),
                             reinterpret_cast<const GLfloat*>(recorder.bytes + e.bytesAt));
        });
        // Every vector parameter of a light has at most four values.
        if (e && recorder.keep(*e, params, 4 * sizeof(GLfloat))) {
            e->a[0] = put(light);
            e->a[1] = put(pname);
        }
    }
    __real_glLightfv(light, pname, params);
}

namespace glrec {

void startRecording() {
    shadow.forget();
    recorder.count = 0;
    recorder.bytesUsed = 0;
    recorder.overflow = false;
    recorder.on = true;
}

bool stopRecording() {
    recorder.on = false;
    return !recorder.overflow;
}

int32_t recordedCalls() {
    return recorder.count;
}

int32_t redundantCalls() {
    int32_t n = 0;
    for (int32_t i = 0; i < recorder.count; ++i)
        n += recorder.entries[i].redundant;
    return n;
}

void playBack(bool minimal) {
    for (int32_t i = 0; i < recorder.count; ++i) {
        const Entry& e = recorder.entries[i];
        if (!(minimal && e.redundant)) e.play(e);
    }
}

} // namespace glrec
