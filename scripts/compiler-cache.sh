# Sourced by the test command's scripts, with the clone's top folder: its
# builds go through ccache when it is installed, so that the next run, in
# this clone or a fresh one, compiles only what changed. Paths under the
# clone are kept out of the cache's keys (an object's debug information then
# names the build folder that first compiled it).
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=$1 CCACHE_NOHASHDIR=true
fi
