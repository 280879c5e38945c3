# Tests of the grid parameter object.
