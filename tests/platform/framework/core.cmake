# Tests of run-time classes, archives, collections, profiles and resources.
