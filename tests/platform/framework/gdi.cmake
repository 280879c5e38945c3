# Tests of the device context and GDI object classes.
