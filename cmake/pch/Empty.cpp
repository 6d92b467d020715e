// A translation unit for the precompiled headers to belong to.
