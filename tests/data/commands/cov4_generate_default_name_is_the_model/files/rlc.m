add_obj
type = Se_
parameters = 1                                                                                                   
maxlin =  1
numlin =  1
caption = Se                                                                                                  
top =  780
left =  480
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = 111
parameters =                                                                                                     
maxlin =  10
numlin =  4
caption = 1                                                                                                   
top =  780
left =  1740
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = I__
parameters = 0.1                                                                                                 
maxlin =  1
numlin =  1
caption = I                                                                                                   
top =  1980
left =  1140
parameter2 = 0                                                                                                   
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = R__
parameters = 10                                                                                                  
maxlin =  1
numlin =  1
caption = R                                                                                                   
top =  1980
left =  2340
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = 000
parameters =                                                                                                     
maxlin =  10
numlin =  3
caption = 0                                                                                                   
top =  780
left =  3540
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = C__
parameters = 1e-3                                                                                                
maxlin =  1
numlin =  1
caption = C                                                                                                   
top =  1980
left =  2940
parameter2 = 0                                                                                                   
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = De_
parameters =                                                                                                     
maxlin =  1
numlin =  1
caption = De                                                                                                  
top =  1980
left =  4080
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  1
auxil1 =  0
auxil2 =  0
auxil3 =  0
end
add_obj
type = con
parameters =                                                                                                     
maxlin =  0
numlin =  0
caption = >                                                                                                   
top =  1980
left =  4320
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout = -1
auxil1 =  0
auxil2 =  7
auxil3 =  1
end
add_obj
type = sco
parameters =                                                                                                     
maxlin =  0
numlin =  0
caption = scope                                                                                               
top =  3165
left =  5085
parameter2 =                                                                                                     
index =  0
maxsigninp =  1
signout =  0
auxil1 =  1
auxil2 =  0
auxil3 =  0
end
add_obj
type = con
parameters =                                                                                                     
maxlin =  0
numlin =  0
caption = >                                                                                                   
top =  3180
left =  4965
parameter2 =                                                                                                     
index =  0
maxsigninp =  0
signout =  0
auxil1 =  0
auxil2 =  9
auxil3 =  1
end
add_obj
type = con
parameters =                                                                                                     
maxlin =  0
numlin =  0
caption = •                                                                                                   
top =  3180
left =  4320
parameter2 =                                                                                                     
index =  10
maxsigninp =  0
signout = -1
auxil1 =  0
auxil2 =  8
auxil3 =  0
end
 8 
add_line
causa =  1
obj1 =  1
obj2 =  2
end
add_line
causa =  1
obj1 =  2
obj2 =  3
end
add_line
causa =  2
obj1 =  2
obj2 =  4
end
add_line
causa =  2
obj1 =  2
obj2 =  5
end
add_line
causa =  2
obj1 =  5
obj2 =  6
end
add_line
causa =  1
obj1 =  5
obj2 =  7
end
add_line
causa =  4
obj1 =  8
obj2 =  11
end
add_line
causa =  4
obj1 =  11
obj2 =  10
end
end_sys
