# Fuzz targets of the grid parameter object.
