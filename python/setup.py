"""Builds gmath._gmath with the project's CMake build, from the source tree,
without network access:

    pip install --no-build-isolation --no-index python/

The library is compiled static into the module, with the library's own
flags (-ffp-contract=off, no fast math), so results match the C++ library.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent.parent
# CMake's project(VERSION) is the one home of the version number.
VERSION = re.search(r"project\(gmath VERSION ([0-9.]+)",
                    (ROOT / "CMakeLists.txt").read_text()).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext: Extension) -> None:
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(
            ["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=Release", "-DGMATH_SHARED=OFF", "-DGMATH_BUILD_PYTHON=ON",
             "-DGMATH_BUILD_EXAMPLES=OFF", "-DGMATH_BUILD_TOOLS=OFF", "-DGMATH_INSTALL=OFF",
             "-DPython_EXECUTABLE=" + sys.executable]
            + os.environ.get("GMATH_CMAKE_ARGS", "").split(),
            check=True)
        jobs = os.environ.get("GMATH_BUILD_JOBS", "2")
        subprocess.run(["cmake", "--build", str(build), "--target", "_gmath", "-j", jobs],
                       check=True)
        built = next((build / "python" / "gmath").glob("_gmath*"))
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(built, target)


setup(
    name="gmath",
    version=VERSION,
    description="Tolerance-aware geometry mathematics",
    packages=["gmath", "gmath.dask"],
    package_data={"gmath": ["py.typed", "*.pyi"]},
    ext_modules=[Extension("gmath._gmath", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    license="MIT",
    install_requires=["numpy"],
    extras_require={"dask": ["dask[array]", "distributed"]},
    python_requires=">=3.9",
    zip_safe=False,
)
