#!/usr/bin/env python3
# Writes a Display P3 profile (the P3 primaries, D65 white, the sRGB curve),
# through Little CMS, as no Debian package ships one:
#   tests/wine/write-display-p3.py FILE
import ctypes, sys
lcms = ctypes.CDLL("liblcms2.so.2")
class xyY(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double), ("Y", ctypes.c_double)]
lcms.cmsBuildParametricToneCurve.restype = ctypes.c_void_p
lcms.cmsCreateRGBProfile.restype = ctypes.c_void_p
srgb_curve = (ctypes.c_double * 5)(2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045)
curve = lcms.cmsBuildParametricToneCurve(None, 4, srgb_curve)
primaries = (xyY * 3)(xyY(0.680, 0.320, 1), xyY(0.265, 0.690, 1), xyY(0.150, 0.060, 1))
profile = lcms.cmsCreateRGBProfile(ctypes.byref(xyY(0.3127, 0.3290, 1)), primaries, (ctypes.c_void_p * 3)(curve, curve, curve))
if not profile or not lcms.cmsSaveProfileToFile(ctypes.c_void_p(profile), sys.argv[1].encode()):
    sys.exit("cannot write " + sys.argv[1])
