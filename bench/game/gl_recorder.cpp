#include "bench/game/gl_recorder.h"

#include <GL/gl.h>
#include <cstring>
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
    Arg a[6];
    uint32_t bytesAt; // into the byte pool, for calls that pass an array
    uint32_t byteCount;
};

constexpr int32_t kMaxEntries = 1 << 17;
constexpr uint32_t kMaxBytes = 1 << 20;

struct Recorder {
    bool on = false;
    bool overflow = false;
    int32_t count = 0;
    uint32_t bytesUsed = 0;
    Entry entries[kMaxEntries];
    uint8_t bytes[kMaxBytes];

    Entry* add(Play play) {
        if (count == kMaxEntries) {
            overflow = true;
            return nullptr;
        }
        Entry& e = entries[count++];
        e.play = play;
        e.byteCount = 0;
        return &e;
    }
    bool keep(Entry& e, const void* data, uint32_t n) {
        if (n > kMaxBytes - bytesUsed) {
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

template <auto Real, class... A> void pass(A... args) {
    if (recorder.on) {
        if (Entry* e = recorder.add(&play<Real, A...>)) {
            int i = 0;
            ((e->a[i++] = put(args)), ...);
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

#define GLREC_CALLS(X)                                                                             \
    X(glBegin, (GLenum a), (a))                                                                    \
    X(glEnd, (), ())                                                                               \
    X(glVertex2f, (GLfloat a, GLfloat b), (a, b))                                                  \
    X(glVertex3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                    \
    X(glTexCoord2f, (GLfloat a, GLfloat b), (a, b))                                                \
    X(glColor3ub, (GLubyte a, GLubyte b, GLubyte c), (a, b, c))                                    \
    X(glColor4ub, (GLubyte a, GLubyte b, GLubyte c, GLubyte d), (a, b, c, d))                      \
    X(glColor4f, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glBindTexture, (GLenum a, GLuint b), (a, b))                                                 \
    X(glBlendFunc, (GLenum a, GLenum b), (a, b))                                                   \
    X(glEnable, (GLenum a), (a))                                                                   \
    X(glDisable, (GLenum a), (a))                                                                  \
    X(glDepthMask, (GLboolean a), (a))                                                             \
    X(glDepthFunc, (GLenum a), (a))                                                                \
    X(glMatrixMode, (GLenum a), (a))                                                               \
    X(glLoadIdentity, (), ())                                                                      \
    X(glPushMatrix, (), ())                                                                        \
    X(glPopMatrix, (), ())                                                                         \
    X(glOrtho, (GLdouble a, GLdouble b, GLdouble c, GLdouble d, GLdouble e, GLdouble f),           \
      (a, b, c, d, e, f))                                                                          \
    X(glTranslated, (GLdouble a, GLdouble b, GLdouble c), (a, b, c))                               \
    X(glTranslatef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                  \
    X(glRotatef, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glScalef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                      \
    X(glListBase, (GLuint a), (a))                                                                 \
    X(glCallList, (GLuint a), (a))                                                                 \
    X(glTexEnvf, (GLenum a, GLenum b, GLfloat c), (a, b, c))                                       \
    X(glTexEnvi, (GLenum a, GLenum b, GLint c), (a, b, c))                                         \
    X(glTexGeni, (GLenum a, GLenum b, GLint c), (a, b, c))                                         \
    X(glTexParameteri, (GLenum a, GLenum b, GLint c), (a, b, c))                                   \
    X(glPolygonMode, (GLenum a, GLenum b), (a, b))                                                 \
    X(glShadeModel, (GLenum a), (a))                                                               \
    X(glPointSize, (GLfloat a), (a))                                                               \
    X(glLineWidth, (GLfloat a), (a))                                                               \
    X(glHint, (GLenum a, GLenum b), (a, b))                                                        \
    X(glClear, (GLbitfield a), (a))                                                                \
    X(glClearColor, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                    \
    X(glViewport, (GLint a, GLint b, GLsizei c, GLsizei d), (a, b, c, d))                          \
    X(glFlush, (), ())

#define GLREC_WRAP(name, params, args)                                                             \
    extern "C" void __real_##name params;                                                          \
    extern "C" void __wrap_##name params {                                                         \
        glrec::pass<__real_##name> args;                                                           \
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

void playBack() {
    for (int32_t i = 0; i < recorder.count; ++i)
        recorder.entries[i].play(recorder.entries[i]);
}

} // namespace glrec
