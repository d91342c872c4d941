// bench/llvmpipe_redraw.cpp: the yardstick of the redraw figures. Draws the benchmark
// sphere (sphere_scene.h) through OpenGL, offscreen (EGL without a window), into three
// 815 x 815 framebuffers laid out as the three orthographic views: front (column x, row y,
// depth z, larger z nearer), top (column x, row z, smaller y nearer), side (column z, row
// y, larger x nearer); orthographic, one model unit per pixel, depth test, rows growing
// down. Each frame clears, draws and reads every view's pixels back into memory, then
// waits for the GL; the figure is the median frame of 60, taken in three rounds.
//
// "flat" gives each face its colour on all three corners with GL_FLAT; "gouraud" gives each
// corner the face colour lit by the sphere's normal there (worked out once, before the
// timing) and interpolates with GL_SMOOTH.
//
// Built and run by bench/redraw_ratio.sh, which picks the software renderer and its thread
// count through the environment (LIBGL_ALWAYS_SOFTWARE, GALLIUM_DRIVER, LP_NUM_THREADS).
// Prints GL_RENDERER, then one JSON object per case on its own line.
#define GL_GLEXT_PROTOTYPES 1
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sphere_scene.h"

namespace {

constexpr int kSize = 815;
constexpr int kFrames = 60;
constexpr int kRounds = 3;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "llvmpipe_redraw: %s\n", what);
  std::exit(1);
}

void startGl() {
  auto get_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!get_display) fail("no eglGetPlatformDisplayEXT");
  EGLDisplay display = get_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
    fail("no surfaceless EGL display");
  }
  if (!eglBindAPI(EGL_OPENGL_API)) fail("no desktop OpenGL through EGL");
  // A compatibility context (the default), for glShadeModel and the client arrays.
  EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
  if (context == EGL_NO_CONTEXT) fail("eglCreateContext failed");
  if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
    fail("eglMakeCurrent failed");
  }
}

// One view's framebuffer and where its pixels are read to.
struct Target {
  GLuint fbo = 0, colour = 0, depth = 0;
  std::vector<unsigned char> pixels;
};

Target makeTarget() {
  Target t;
  glGenRenderbuffers(1, &t.colour);
  glBindRenderbuffer(GL_RENDERBUFFER, t.colour);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kSize, kSize);
  glGenRenderbuffers(1, &t.depth);
  glBindRenderbuffer(GL_RENDERBUFFER, t.depth);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, kSize, kSize);
  glGenFramebuffers(1, &t.fbo);
  glBindFramebuffer(GL_FRAMEBUFFER, t.fbo);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t.colour);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, t.depth);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    fail("framebuffer incomplete");
  }
  t.pixels.resize(static_cast<std::size_t>(kSize) * kSize * 4);
  return t;
}

// The sphere in buffer objects: corner positions and two colour sets.
struct Mesh {
  GLsizei corners = 0;
  GLuint positions = 0, flat = 0, smooth = 0;
};

GLuint upload(const void* data, std::size_t bytes) {
  GLuint buffer = 0;
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
  return buffer;
}

Mesh makeMesh(facetry::bench::SphereSize size) {
  const facetry::bench::SphereArrays arrays = facetry::bench::sphereArrays(size);
  const std::size_t corners = arrays.positions.size() / 3;
  std::vector<unsigned char> flat(corners * 4), smooth(corners * 4);
  const float lamp[3] = {-0.5773503f, -0.5773503f, 0.5773503f};
  for (std::size_t i = 0; i < corners; ++i) {
    const facetry::Rgb c = arrays.colours[i / 3];
    float n[3];
    for (int k = 0; k < 3; ++k) {
      n[k] =
          (arrays.positions[i * 3 + static_cast<std::size_t>(k)] - facetry::bench::kSphereCentre) /
          facetry::bench::kSphereRadius;
    }
    const float light =
        0.3f + 0.7f * std::max(0.0f, n[0] * lamp[0] + n[1] * lamp[1] + n[2] * lamp[2]);
    const unsigned char rgb[3] = {c.red, c.green, c.blue};
    for (int k = 0; k < 3; ++k) {
      flat[i * 4 + static_cast<std::size_t>(k)] = rgb[k];
      smooth[i * 4 + static_cast<std::size_t>(k)] = static_cast<unsigned char>(rgb[k] * light);
    }
    flat[i * 4 + 3] = smooth[i * 4 + 3] = 255;
  }
  Mesh mesh;
  mesh.corners = static_cast<GLsizei>(corners);
  mesh.positions = upload(arrays.positions.data(), arrays.positions.size() * sizeof(float));
  mesh.flat = upload(flat.data(), flat.size());
  mesh.smooth = upload(smooth.data(), smooth.size());
  return mesh;
}

// Model to eye coordinates of each view: eye x = the column axis, eye y = the row axis,
// eye z = the depth axis signed so that larger is nearer. Column-major.
void loadViewMatrix(int view) {
  struct Axes {
    int column, row, depth;
    float sign;
  };
  static constexpr Axes kAxes[3] = {{0, 1, 2, 1}, {0, 2, 1, -1}, {2, 1, 0, 1}};
  const Axes a = kAxes[view];
  GLfloat m[16] = {};
  m[a.column * 4 + 0] = 1;
  m[a.row * 4 + 1] = 1;
  m[a.depth * 4 + 2] = a.sign;
  m[15] = 1;
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(m);
}

void drawFrame(const Mesh& mesh, bool smooth, std::vector<Target>& targets, GLenum format) {
  glBindBuffer(GL_ARRAY_BUFFER, mesh.positions);
  glVertexPointer(3, GL_FLOAT, 0, nullptr);
  glBindBuffer(GL_ARRAY_BUFFER, smooth ? mesh.smooth : mesh.flat);
  glColorPointer(4, GL_UNSIGNED_BYTE, 0, nullptr);
  glShadeModel(smooth ? GL_SMOOTH : GL_FLAT);
  for (int view = 0; view < 3; ++view) {
    Target& t = targets[static_cast<std::size_t>(view)];
    glBindFramebuffer(GL_FRAMEBUFFER, t.fbo);
    glViewport(0, 0, kSize, kSize);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadViewMatrix(view);
    glDrawArrays(GL_TRIANGLES, 0, mesh.corners);
    glReadPixels(0, 0, kSize, kSize, format, GL_UNSIGNED_BYTE, t.pixels.data());
  }
  glFinish();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Pixels of a view that are not the background, to show the sphere was drawn.
long covered(const Target& t) {
  long count = 0;
  for (std::size_t i = 0; i < t.pixels.size(); i += 4) {
    if (t.pixels[i] != 255 || t.pixels[i + 1] != 255 || t.pixels[i + 2] != 255) ++count;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  // --rgba reads the pixels back as RGBA instead of BGRA.
  const GLenum format = argc > 1 && std::strcmp(argv[1], "--rgba") == 0 ? GL_RGBA : GL_BGRA;
  startGl();
  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  std::printf("GL_RENDERER: %s\n", renderer ? renderer : "(none)");
  std::printf("GL_VERSION: %s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  const char* threads = std::getenv("LP_NUM_THREADS");

  std::vector<Target> targets;
  for (int view = 0; view < 3; ++view) targets.push_back(makeTarget());
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, kSize, kSize, 0, -1000, 1000);  // row 0 at the top; eye z 1000 is nearest
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glClearColor(1, 1, 1, 1);
  glClearDepth(1);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);

  struct Case {
    const char* name;
    facetry::bench::SphereSize size;
    bool smooth;
  };
  const Case cases[] = {{"flat_100k", facetry::bench::kSphere100k, false},
                        {"gouraud_100k", facetry::bench::kSphere100k, true},
                        {"flat_10k", facetry::bench::kSphere10k, false}};
  for (const Case& c : cases) {
    const Mesh mesh = makeMesh(c.size);
    for (int i = 0; i < 5; ++i) drawFrame(mesh, c.smooth, targets, format);  // warm up
    std::vector<double> round_medians;
    for (int round = 0; round < kRounds; ++round) {
      std::vector<double> frames;
      for (int i = 0; i < kFrames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        drawFrame(mesh, c.smooth, targets, format);
        frames.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
      }
      round_medians.push_back(median(frames));
    }
    if (glGetError() != GL_NO_ERROR) fail("GL error while drawing");
    std::printf(
        "{\"case\": \"%s\", \"faces\": %d, \"threads\": \"%s\", \"median_ms\": %.3f, "
        "\"rounds_ms\": [%.3f, %.3f, %.3f], \"covered\": [%ld, %ld, %ld]}\n",
        c.name, c.size.triangles(), threads ? threads : "", median(round_medians), round_medians[0],
        round_medians[1], round_medians[2], covered(targets[0]), covered(targets[1]),
        covered(targets[2]));
    std::fflush(stdout);
    const GLuint buffers[3] = {mesh.positions, mesh.flat, mesh.smooth};
    glDeleteBuffers(3, buffers);
  }
  return 0;
}
