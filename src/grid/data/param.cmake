# The grid parameter object and the delayed range pool.
target_sources(gridengine PRIVATE
)
